<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de" sourcelanguage="en">
<context>
    <name>CopyableTexts</name>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Kopieren</translation>
    </message>
    <message>
        <source>Select &amp;All</source>
        <translation>&amp;Alles auswählen</translation>
    </message>
</context>
<context>
    <name>Frm_Diagram</name>
    <message>
        <source>Diagram for Torrentix</source>
        <translation>Schema von Torrentix</translation>
    </message>
    <message>
        <source>Main page</source>
        <translation>Hauptfenster</translation>
    </message>
    <message>
        <source>Reservoir</source>
        <translation>Stausee</translation>
    </message>
    <message>
        <source>Q-Water Discharge Rate</source>
        <translation>Q – Durchfluss</translation>
    </message>
    <message>
        <source>Generator</source>
        <translation>Generator</translation>
    </message>
    <message>
        <source>Turbine</source>
        <translation>Turbine</translation>
    </message>
    <message>
        <source>Water Head</source>
        <translation>Fallhöhe</translation>
    </message>
</context>
<context>
    <name>Frm_HydroPowerFormula</name>
    <message>
        <source>Formula for Hydro Power Energy Calculation</source>
        <translation>Formel zur Berechnung der Wasserkraftleistung</translation>
    </message>
    <message>
        <source>Power Generation from a HydroElectric System</source>
        <translation>Leistung eines Wasserkraftwerks</translation>
    </message>
    <message>
        <source>Power capacity of a Hydroelectric system depends on the  reservoir&apos;s Water discharge rate, effective Water Head, overall Efficiencies of the Turbine and the Generator equipment, and  the Gravitational Force</source>
        <translation>Die Leistung eines Wasserkraftwerks hängt vom Durchfluss, von der nutzbaren Fallhöhe, vom Gesamtwirkungsgrad von Turbine und Generator und von der Erdbeschleunigung ab</translation>
    </message>
    <message>
        <source>Q * g * H *  Efficiency of Equipment</source>
        <translation>Q * g * H *  Gesamtwirkungsgrad</translation>
    </message>
    <message>
        <source> 9.81 * Effi * Q * H </source>
        <translation> 9.81 * η * Q * H </translation>
    </message>
    <message>
        <source>Energy</source>
        <translation>Leistung</translation>
    </message>
    <message>
        <source>in kilo Watts</source>
        <translation>in Kilowatt</translation>
    </message>
    <message>
        <source>Water discharge rate</source>
        <translation>Durchfluss</translation>
    </message>
    <message>
        <source>in Cubic meters per second</source>
        <translation>in Kubikmetern pro Sekunde</translation>
    </message>
    <message>
        <source>Gravitational Force</source>
        <translation>Erd­beschleu­nigung</translation>
    </message>
    <message>
        <source> = 9.81</source>
        <translation> = 9.81</translation>
    </message>
    <message>
        <source>Water Head</source>
        <translation>Fallhöhe</translation>
    </message>
    <message>
        <source>in meters</source>
        <translation>in Metern</translation>
    </message>
    <message>
        <source>Main page</source>
        <translation>Hauptfenster</translation>
    </message>
</context>
<context>
    <name>Frm_Hydropower</name>
    <message>
        <source>Quorvane&apos;s  Torrentix</source>
        <translation>Torrentix von Quorvane</translation>
    </message>
    <message>
        <source>Hydro Power Energy for Electricity</source>
        <translation>Strom aus Wasserkraft</translation>
    </message>
    <message>
        <source>Water Discharge Rate</source>
        <translation>Durchfluss</translation>
    </message>
    <message>
        <source>Cu.Mts/Sec.</source>
        <translation>m³/s</translation>
    </message>
    <message>
        <source>Water Head</source>
        <translation>Fallhöhe</translation>
    </message>
    <message>
        <source>meters</source>
        <translation>Meter</translation>
    </message>
    <message>
        <source>Generating Plant Efficiency</source>
        <translation>Wirkungsgrad des Generators</translation>
    </message>
    <message>
        <source>Water Turbine Efficiency</source>
        <translation>Wirkungsgrad der Turbine</translation>
    </message>
    <message>
        <source>Available Power</source>
        <translation>Verfügbare Leistung</translation>
    </message>
    <message>
        <source>*  Use  Tab  key to  navigate</source>
        <translation>*  Mit der Tab-Taste von Feld zu Feld wechseln</translation>
    </message>
    <message>
        <source>Water Discharge Rate</source>
        <comment>spoken</comment>
        <translation>Durchfluss</translation>
    </message>
    <message>
        <source>Cubic meters per second</source>
        <comment>spoken</comment>
        <translation>Kubikmeter pro Sekunde</translation>
    </message>
    <message>
        <source>Water Head</source>
        <comment>spoken</comment>
        <translation>Fallhöhe</translation>
    </message>
    <message>
        <source>meters</source>
        <comment>spoken</comment>
        <translation>Meter</translation>
    </message>
    <message>
        <source>Generating Plant Efficiency</source>
        <comment>spoken</comment>
        <translation>Wirkungsgrad des Generators</translation>
    </message>
    <message>
        <source>percent</source>
        <comment>spoken</comment>
        <translation>Prozent</translation>
    </message>
    <message>
        <source>Water Turbine Efficiency</source>
        <comment>spoken</comment>
        <translation>Wirkungsgrad der Turbine</translation>
    </message>
    <message>
        <source>Solve</source>
        <translation>Berechnen</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Formula</source>
        <translation>Formel</translation>
    </message>
    <message>
        <source>Diagram</source>
        <translation>Schema</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Info</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Beenden</translation>
    </message>
</context>
<context>
    <name>LastResort</name>
    <message>
        <source>There is not enough memory to finish this action.</source>
        <translation>Für diese Aktion ist nicht genug Arbeitsspeicher frei.</translation>
    </message>
    <message>
        <source>This action could not be finished: %1</source>
        <translation>Diese Aktion konnte nicht abgeschlossen werden: %1</translation>
    </message>
    <message>
        <source>This action could not be finished because of an unexpected error.</source>
        <translation>Diese Aktion konnte wegen eines unerwarteten Fehlers nicht abgeschlossen werden.</translation>
    </message>
</context>
<context>
    <name>frm_About</name>
    <message>
        <source>About</source>
        <translation>Über Torrentix</translation>
    </message>
    <message>
        <source>Copyright</source>
        <translation>Copyright</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>© 2024 Quorvane
GNU GPL 3 or later</source>
        <translation>© 2024 Quorvane
GPL 3 oder später</translation>
    </message>
</context>
<context>
    <name>torrentix::Frm_Hydropower</name>
    <message>
        <source>A number is too large to compute. Please enter smaller values and press Solve again.</source>
        <translation>Eine Zahl ist für die Berechnung zu groß. Bitte geben Sie kleinere Werte ein und klicken Sie erneut auf „Berechnen“.</translation>
    </message>
    <message>
        <source>You can&apos;t enter Zero</source>
        <translation>Null ist nicht zulässig</translation>
    </message>
    <message>
        <source>You can&apos;t enter Negative Values</source>
        <translation>Negative Werte sind nicht zulässig</translation>
    </message>
    <message>
        <source>Efficiency can&apos;t exceed 100%</source>
        <translation>Der Wirkungsgrad darf 100&#xa0;% nicht überschreiten</translation>
    </message>
    <message>
        <source>OOOps..A Mistake !</source>
        <translation>Hoppla, ein Fehler!</translation>
    </message>
    <message>
        <source>or</source>
        <translation>oder</translation>
    </message>
</context>
</TS>
