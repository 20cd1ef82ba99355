<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nb" sourcelanguage="en">
<context>
    <name>CopyableTexts</name>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Kopier</translation>
    </message>
    <message>
        <source>Select &amp;All</source>
        <translation>Merk &amp;alt</translation>
    </message>
</context>
<context>
    <name>Frm_Diagram</name>
    <message>
        <source>Diagram for Torrentix</source>
        <translation>Prinsippskisse for Torrentix</translation>
    </message>
    <message>
        <source>Main page</source>
        <translation>Hovedvindu</translation>
    </message>
    <message>
        <source>Reservoir</source>
        <translation>Magasin</translation>
    </message>
    <message>
        <source>Q-Water Discharge Rate</source>
        <translation>Q – Vannføring</translation>
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
        <translation>Fallhøyde</translation>
    </message>
</context>
<context>
    <name>Frm_HydroPowerFormula</name>
    <message>
        <source>Formula for Hydro Power Energy Calculation</source>
        <translation>Formel for beregning av effekt i vannkraftverk</translation>
    </message>
    <message>
        <source>Power Generation from a HydroElectric System</source>
        <translation>Effekten til et vannkraftverk</translation>
    </message>
    <message>
        <source>Power capacity of a Hydroelectric system depends on the  reservoir&apos;s Water discharge rate, effective Water Head, overall Efficiencies of the Turbine and the Generator equipment, and  the Gravitational Force</source>
        <translation>Effekten til et vannkraftverk avhenger av vannføringen, netto fallhøyde, samlet virkningsgrad for turbin og generator og tyngdeakselerasjonen</translation>
    </message>
    <message>
        <source>Q * g * H *  Efficiency of Equipment</source>
        <translation>Q * g * H *  samlet virkningsgrad</translation>
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
        <translation>Vannføring</translation>
    </message>
    <message>
        <source>in Cubic meters per second</source>
        <translation>i kubikkmeter per sekund</translation>
    </message>
    <message>
        <source>Gravitational Force</source>
        <translation>Tyngde­akselerasjon</translation>
    </message>
    <message>
        <source> = 9.81</source>
        <translation> = 9,81</translation>
    </message>
    <message>
        <source>Water Head</source>
        <translation>Fallhøyde</translation>
    </message>
    <message>
        <source>in meters</source>
        <translation>i meter</translation>
    </message>
    <message>
        <source>Main page</source>
        <translation>Hovedvindu</translation>
    </message>
</context>
<context>
    <name>Frm_Hydropower</name>
    <message>
        <source>Quorvane&apos;s  Torrentix</source>
        <translation>Torrentix fra Quorvane</translation>
    </message>
    <message>
        <source>Hydro Power Energy for Electricity</source>
        <translation>Strøm fra vannkraft</translation>
    </message>
    <message>
        <source>Water Discharge Rate</source>
        <translation>Vannføring</translation>
    </message>
    <message>
        <source>Cu.Mts/Sec.</source>
        <translation>m³/s</translation>
    </message>
    <message>
        <source>Water Head</source>
        <translation>Fallhøyde</translation>
    </message>
    <message>
        <source>meters</source>
        <translation>meter</translation>
    </message>
    <message>
        <source>Generating Plant Efficiency</source>
        <translation>Generatorens virkningsgrad</translation>
    </message>
    <message>
        <source>Water Turbine Efficiency</source>
        <translation>Turbinens virkningsgrad</translation>
    </message>
    <message>
        <source>Available Power</source>
        <translation>Tilgjengelig effekt</translation>
    </message>
    <message>
        <source>*  Use  Tab  key to  navigate</source>
        <translation>*  Bruk Tab-tasten for å gå videre</translation>
    </message>
    <message>
        <source>Water Discharge Rate</source>
        <comment>spoken</comment>
        <translation>Vannføring</translation>
    </message>
    <message>
        <source>Cubic meters per second</source>
        <comment>spoken</comment>
        <translation>kubikkmeter per sekund</translation>
    </message>
    <message>
        <source>Water Head</source>
        <comment>spoken</comment>
        <translation>Fallhøyde</translation>
    </message>
    <message>
        <source>meters</source>
        <comment>spoken</comment>
        <translation>meter</translation>
    </message>
    <message>
        <source>Generating Plant Efficiency</source>
        <comment>spoken</comment>
        <translation>Generatorens virkningsgrad</translation>
    </message>
    <message>
        <source>percent</source>
        <comment>spoken</comment>
        <translation>prosent</translation>
    </message>
    <message>
        <source>Water Turbine Efficiency</source>
        <comment>spoken</comment>
        <translation>Turbinens virkningsgrad</translation>
    </message>
    <message>
        <source>Solve</source>
        <translation>Beregn</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Tøm</translation>
    </message>
    <message>
        <source>Formula</source>
        <translation>Formel</translation>
    </message>
    <message>
        <source>Diagram</source>
        <translation>Skisse</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Om</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Avslutt</translation>
    </message>
</context>
<context>
    <name>LastResort</name>
    <message>
        <source>There is not enough memory to finish this action.</source>
        <translation>Det er ikke nok minne til å fullføre denne handlingen.</translation>
    </message>
    <message>
        <source>This action could not be finished: %1</source>
        <translation>Handlingen kunne ikke fullføres: %1</translation>
    </message>
    <message>
        <source>This action could not be finished because of an unexpected error.</source>
        <translation>Handlingen kunne ikke fullføres på grunn av en uventet feil.</translation>
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
        <translation>Opphavsrett</translation>
    </message>
    <message>
        <source>© 2024 Quorvane
GNU GPL 3 or later</source>
        <translation>© 2024 Quorvane
GPL 3 eller nyere</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Lukk</translation>
    </message>
</context>
<context>
    <name>torrentix::Frm_Hydropower</name>
    <message>
        <source>You can&apos;t enter Zero</source>
        <translation>Du kan ikke skrive inn null</translation>
    </message>
    <message>
        <source>You can&apos;t enter Negative Values</source>
        <translation>Du kan ikke skrive inn negative verdier</translation>
    </message>
    <message>
        <source>Efficiency can&apos;t exceed 100%</source>
        <translation>Virkningsgraden kan ikke være over 100 %</translation>
    </message>
    <message>
        <source>OOOps..A Mistake !</source>
        <translation>Oi, en feil!</translation>
    </message>
    <message>
        <source>A number is too large to compute. Please enter smaller values and press Solve again.</source>
        <translation>Et tall er for stort til å beregnes. Skriv inn mindre verdier, og trykk Beregn på nytt.</translation>
    </message>
    <message>
        <source>or</source>
        <translation>eller</translation>
    </message>
</context>
</TS>
