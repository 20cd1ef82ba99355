<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="sv" sourcelanguage="en">
<context>
    <name>CopyableTexts</name>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Kopiera</translation>
    </message>
    <message>
        <source>Select &amp;All</source>
        <translation>Markera &amp;allt</translation>
    </message>
</context>
<context>
    <name>Frm_Diagram</name>
    <message>
        <source>Diagram for Torrentix</source>
        <translation>Principskiss för Torrentix</translation>
    </message>
    <message>
        <source>Main page</source>
        <translation>Huvudfönster</translation>
    </message>
    <message>
        <source>Reservoir</source>
        <translation>Magasin</translation>
    </message>
    <message>
        <source>Q-Water Discharge Rate</source>
        <translation>Q – Flöde</translation>
    </message>
    <message>
        <source>Generator</source>
        <translation>Generator</translation>
    </message>
    <message>
        <source>Turbine</source>
        <translation>Turbin</translation>
    </message>
    <message>
        <source>Water Head</source>
        <translation>Fallhöjd</translation>
    </message>
</context>
<context>
    <name>Frm_HydroPowerFormula</name>
    <message>
        <source>Formula for Hydro Power Energy Calculation</source>
        <translation>Formel för beräkning av vattenkraftens effekt</translation>
    </message>
    <message>
        <source>Power Generation from a HydroElectric System</source>
        <translation>Ett vattenkraftverks effekt</translation>
    </message>
    <message>
        <source>Power capacity of a Hydroelectric system depends on the  reservoir&apos;s Water discharge rate, effective Water Head, overall Efficiencies of the Turbine and the Generator equipment, and  the Gravitational Force</source>
        <translation>Ett vattenkraftverks effekt beror på vattenflödet, den effektiva fallhöjden, turbinens och generatorns totala verkningsgrad samt tyngdaccelerationen</translation>
    </message>
    <message>
        <source>Q * g * H *  Efficiency of Equipment</source>
        <translation>Q * g * H *  total verkningsgrad</translation>
    </message>
    <message>
        <source> 9.81 * Effi * Q * H </source>
        <translation> 9,81 * η * Q * H </translation>
    </message>
    <message>
        <source>Energy</source>
        <translation>Effekt</translation>
    </message>
    <message>
        <source>in kilo Watts</source>
        <translation>i kilowatt</translation>
    </message>
    <message>
        <source>Water discharge rate</source>
        <translation>Vattenflöde</translation>
    </message>
    <message>
        <source>in Cubic meters per second</source>
        <translation>i kubikmeter per sekund</translation>
    </message>
    <message>
        <source>Gravitational Force</source>
        <translation>Tyngd­acceleration</translation>
    </message>
    <message>
        <source> = 9.81</source>
        <translation> = 9,81</translation>
    </message>
    <message>
        <source>Water Head</source>
        <translation>Fallhöjd</translation>
    </message>
    <message>
        <source>in meters</source>
        <translation>i meter</translation>
    </message>
    <message>
        <source>Main page</source>
        <translation>Huvudfönster</translation>
    </message>
</context>
<context>
    <name>Frm_Hydropower</name>
    <message>
        <source>Quorvane&apos;s  Torrentix</source>
        <translation>Torrentix från Quorvane</translation>
    </message>
    <message>
        <source>Hydro Power Energy for Electricity</source>
        <translation>El från vattenkraft</translation>
    </message>
    <message>
        <source>Water Discharge Rate</source>
        <translation>Vattenflöde</translation>
    </message>
    <message>
        <source>Cu.Mts/Sec.</source>
        <translation>m³/s</translation>
    </message>
    <message>
        <source>Water Head</source>
        <translation>Fallhöjd</translation>
    </message>
    <message>
        <source>meters</source>
        <translation>meter</translation>
    </message>
    <message>
        <source>Generating Plant Efficiency</source>
        <translation>Generatorns verkningsgrad</translation>
    </message>
    <message>
        <source>Water Turbine Efficiency</source>
        <translation>Turbinens verkningsgrad</translation>
    </message>
    <message>
        <source>Available Power</source>
        <translation>Tillgänglig effekt</translation>
    </message>
    <message>
        <source>*  Use  Tab  key to  navigate</source>
        <translation>*  Gå vidare med Tabb-tangenten</translation>
    </message>
    <message>
        <source>Water Discharge Rate</source>
        <comment>spoken</comment>
        <translation>Vattenflöde</translation>
    </message>
    <message>
        <source>Cubic meters per second</source>
        <comment>spoken</comment>
        <translation>kubikmeter per sekund</translation>
    </message>
    <message>
        <source>Water Head</source>
        <comment>spoken</comment>
        <translation>Fallhöjd</translation>
    </message>
    <message>
        <source>meters</source>
        <comment>spoken</comment>
        <translation>meter</translation>
    </message>
    <message>
        <source>Generating Plant Efficiency</source>
        <comment>spoken</comment>
        <translation>Generatorns verkningsgrad</translation>
    </message>
    <message>
        <source>percent</source>
        <comment>spoken</comment>
        <translation>procent</translation>
    </message>
    <message>
        <source>Water Turbine Efficiency</source>
        <comment>spoken</comment>
        <translation>Turbinens verkningsgrad</translation>
    </message>
    <message>
        <source>Solve</source>
        <translation>Beräkna</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Rensa</translation>
    </message>
    <message>
        <source>Formula</source>
        <translation>Formel</translation>
    </message>
    <message>
        <source>Diagram</source>
        <translation>Skiss</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Om</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Avsluta</translation>
    </message>
</context>
<context>
    <name>LastResort</name>
    <message>
        <source>There is not enough memory to finish this action.</source>
        <translation>Det finns inte tillräckligt med minne för att slutföra åtgärden.</translation>
    </message>
    <message>
        <source>This action could not be finished: %1</source>
        <translation>Åtgärden kunde inte slutföras: %1</translation>
    </message>
    <message>
        <source>This action could not be finished because of an unexpected error.</source>
        <translation>Åtgärden kunde inte slutföras på grund av ett oväntat fel.</translation>
    </message>
</context>
<context>
    <name>frm_About</name>
    <message>
        <source>About</source>
        <translation>Om Torrentix</translation>
    </message>
    <message>
        <source>Copyright</source>
        <translation>Upphovsrätt</translation>
    </message>
    <message>
        <source>© 2024 Quorvane
GNU GPL 3 or later</source>
        <translation>© 2024 Quorvane
GPL 3 eller senare</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Stäng</translation>
    </message>
</context>
<context>
    <name>torrentix::Frm_Hydropower</name>
    <message>
        <source>You can&apos;t enter Zero</source>
        <translation>Du kan inte ange noll</translation>
    </message>
    <message>
        <source>You can&apos;t enter Negative Values</source>
        <translation>Du kan inte ange negativa värden</translation>
    </message>
    <message>
        <source>Efficiency can&apos;t exceed 100%</source>
        <translation>Verkningsgraden kan inte överstiga 100 %</translation>
    </message>
    <message>
        <source>OOOps..A Mistake !</source>
        <translation>Hoppsan, ett fel!</translation>
    </message>
    <message>
        <source>A number is too large to compute. Please enter smaller values and press Solve again.</source>
        <translation>Ett tal är för stort för att beräknas. Ange mindre värden och klicka på Beräkna igen.</translation>
    </message>
    <message>
        <source>or</source>
        <translation>eller</translation>
    </message>
</context>
</TS>
