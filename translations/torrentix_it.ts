<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it" sourcelanguage="en">
<context>
    <name>CopyableTexts</name>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copia</translation>
    </message>
    <message>
        <source>Select &amp;All</source>
        <translation>Seleziona &amp;tutto</translation>
    </message>
</context>
<context>
    <name>Frm_Diagram</name>
    <message>
        <source>Diagram for Torrentix</source>
        <translation>Schema di Torrentix</translation>
    </message>
    <message>
        <source>Main page</source>
        <translation>Home</translation>
    </message>
    <message>
        <source>Reservoir</source>
        <translation>Serbatoio</translation>
    </message>
    <message>
        <source>Q-Water Discharge Rate</source>
        <translation>Q – Portata</translation>
    </message>
    <message>
        <source>Generator</source>
        <translation>Generatore</translation>
    </message>
    <message>
        <source>Turbine</source>
        <translation>Turbina</translation>
    </message>
    <message>
        <source>Water Head</source>
        <translation>Salto</translation>
    </message>
</context>
<context>
    <name>Frm_HydroPowerFormula</name>
    <message>
        <source>Formula for Hydro Power Energy Calculation</source>
        <translation>Formula per il calcolo della potenza idroelettrica</translation>
    </message>
    <message>
        <source>Power Generation from a HydroElectric System</source>
        <translation>Potenza di un impianto idroelettrico</translation>
    </message>
    <message>
        <source>Power capacity of a Hydroelectric system depends on the  reservoir&apos;s Water discharge rate, effective Water Head, overall Efficiencies of the Turbine and the Generator equipment, and  the Gravitational Force</source>
        <translation>La potenza di un impianto idroelettrico dipende dalla portata, dal salto netto, dal rendimento complessivo della turbina e del generatore e dall&apos;accelerazione di gravità</translation>
    </message>
    <message>
        <source>Q * g * H *  Efficiency of Equipment</source>
        <translation>Q * g * H *  rendimento complessivo</translation>
    </message>
    <message>
        <source> 9.81 * Effi * Q * H </source>
        <translation> 9,81 * η * Q * H </translation>
    </message>
    <message>
        <source>Energy</source>
        <translation>Potenza</translation>
    </message>
    <message>
        <source>in kilo Watts</source>
        <translation>in kilowatt</translation>
    </message>
    <message>
        <source>Water discharge rate</source>
        <translation>Portata</translation>
    </message>
    <message>
        <source>in Cubic meters per second</source>
        <translation>in metri cubi al secondo</translation>
    </message>
    <message>
        <source>Gravitational Force</source>
        <translation>Accelerazione di gravità</translation>
    </message>
    <message>
        <source> = 9.81</source>
        <translation> = 9,81</translation>
    </message>
    <message>
        <source>Water Head</source>
        <translation>Salto</translation>
    </message>
    <message>
        <source>in meters</source>
        <translation>in metri</translation>
    </message>
    <message>
        <source>Main page</source>
        <translation>Home</translation>
    </message>
</context>
<context>
    <name>Frm_Hydropower</name>
    <message>
        <source>Quorvane&apos;s  Torrentix</source>
        <translation>Torrentix di Quorvane</translation>
    </message>
    <message>
        <source>Hydro Power Energy for Electricity</source>
        <translation>Energia idroelettrica</translation>
    </message>
    <message>
        <source>Water Discharge Rate</source>
        <translation>Portata</translation>
    </message>
    <message>
        <source>Cu.Mts/Sec.</source>
        <translation>m³/s</translation>
    </message>
    <message>
        <source>Water Head</source>
        <translation>Salto</translation>
    </message>
    <message>
        <source>meters</source>
        <translation>metri</translation>
    </message>
    <message>
        <source>Generating Plant Efficiency</source>
        <translation>Rendimento del generatore</translation>
    </message>
    <message>
        <source>Water Turbine Efficiency</source>
        <translation>Rendimento della turbina</translation>
    </message>
    <message>
        <source>Available Power</source>
        <translation>Potenza disponibile</translation>
    </message>
    <message>
        <source>*  Use  Tab  key to  navigate</source>
        <translation>*  Tasto Tab per spostarsi</translation>
    </message>
    <message>
        <source>Water Discharge Rate</source>
        <comment>spoken</comment>
        <translation>Portata</translation>
    </message>
    <message>
        <source>Cubic meters per second</source>
        <comment>spoken</comment>
        <translation>metri cubi al secondo</translation>
    </message>
    <message>
        <source>Water Head</source>
        <comment>spoken</comment>
        <translation>Salto</translation>
    </message>
    <message>
        <source>meters</source>
        <comment>spoken</comment>
        <translation>metri</translation>
    </message>
    <message>
        <source>Generating Plant Efficiency</source>
        <comment>spoken</comment>
        <translation>Rendimento del generatore</translation>
    </message>
    <message>
        <source>percent</source>
        <comment>spoken</comment>
        <translation>per cento</translation>
    </message>
    <message>
        <source>Water Turbine Efficiency</source>
        <comment>spoken</comment>
        <translation>Rendimento della turbina</translation>
    </message>
    <message>
        <source>Solve</source>
        <translation>Calcola</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Cancella</translation>
    </message>
    <message>
        <source>Formula</source>
        <translation>Formula</translation>
    </message>
    <message>
        <source>Diagram</source>
        <translation>Schema</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Informazioni</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Esci</translation>
    </message>
</context>
<context>
    <name>LastResort</name>
    <message>
        <source>There is not enough memory to finish this action.</source>
        <translation>Memoria insufficiente per completare questa operazione.</translation>
    </message>
    <message>
        <source>This action could not be finished: %1</source>
        <translation>Impossibile completare questa operazione: %1</translation>
    </message>
    <message>
        <source>This action could not be finished because of an unexpected error.</source>
        <translation>Impossibile completare questa operazione a causa di un errore imprevisto.</translation>
    </message>
</context>
<context>
    <name>frm_About</name>
    <message>
        <source>About</source>
        <translation>Informazioni su Torrentix</translation>
    </message>
    <message>
        <source>Copyright</source>
        <translation>Copyright</translation>
    </message>
    <message>
        <source>© 2024 Quorvane
GNU GPL 3 or later</source>
        <translation>© 2024 Quorvane
GPL 3 o successiva</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
</context>
<context>
    <name>torrentix::Frm_Hydropower</name>
    <message>
        <source>You can&apos;t enter Zero</source>
        <translation>Non è possibile inserire zero</translation>
    </message>
    <message>
        <source>You can&apos;t enter Negative Values</source>
        <translation>Non è possibile inserire valori negativi</translation>
    </message>
    <message>
        <source>Efficiency can&apos;t exceed 100%</source>
        <translation>Il rendimento non può superare il 100%</translation>
    </message>
    <message>
        <source>OOOps..A Mistake !</source>
        <translation>Ops, un errore!</translation>
    </message>
    <message>
        <source>A number is too large to compute. Please enter smaller values and press Solve again.</source>
        <translation>Un numero è troppo grande per il calcolo. Inserire valori più piccoli e fare di nuovo clic su Calcola.</translation>
    </message>
    <message>
        <source>or</source>
        <translation>o</translation>
    </message>
</context>
</TS>
