<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr" sourcelanguage="en">
<context>
    <name>CopyableTexts</name>
    <message>
        <source>&amp;Copy</source>
        <translation>Cop&amp;ier</translation>
    </message>
    <message>
        <source>Select &amp;All</source>
        <translation>&amp;Tout sélectionner</translation>
    </message>
</context>
<context>
    <name>Frm_Diagram</name>
    <message>
        <source>Diagram for Torrentix</source>
        <translation>Schéma de Torrentix</translation>
    </message>
    <message>
        <source>Main page</source>
        <translation>Accueil</translation>
    </message>
    <message>
        <source>Reservoir</source>
        <translation>Retenue</translation>
    </message>
    <message>
        <source>Q-Water Discharge Rate</source>
        <translation>Q – Débit</translation>
    </message>
    <message>
        <source>Generator</source>
        <translation>Alternateur</translation>
    </message>
    <message>
        <source>Turbine</source>
        <translation>Turbine</translation>
    </message>
    <message>
        <source>Water Head</source>
        <translation>Hauteur de chute</translation>
    </message>
</context>
<context>
    <name>Frm_HydroPowerFormula</name>
    <message>
        <source>Formula for Hydro Power Energy Calculation</source>
        <translation>Formule de calcul de la puissance hydroélectrique</translation>
    </message>
    <message>
        <source>Power Generation from a HydroElectric System</source>
        <translation>Puissance d&apos;une centrale hydraulique</translation>
    </message>
    <message>
        <source>Power capacity of a Hydroelectric system depends on the  reservoir&apos;s Water discharge rate, effective Water Head, overall Efficiencies of the Turbine and the Generator equipment, and  the Gravitational Force</source>
        <translation>La puissance d&apos;une centrale hydraulique dépend du débit, de la hauteur de chute nette, du rendement global de la turbine et de l&apos;alternateur, et de la pesanteur</translation>
    </message>
    <message>
        <source>Q * g * H *  Efficiency of Equipment</source>
        <translation>Q * g * H *  rendement global</translation>
    </message>
    <message>
        <source> 9.81 * Effi * Q * H </source>
        <translation> 9.81 * η * Q * H </translation>
    </message>
    <message>
        <source>Energy</source>
        <translation>Puissance</translation>
    </message>
    <message>
        <source>in kilo Watts</source>
        <translation>en kilowatts</translation>
    </message>
    <message>
        <source>Water discharge rate</source>
        <translation>Débit</translation>
    </message>
    <message>
        <source>in Cubic meters per second</source>
        <translation>en mètres cubes par seconde</translation>
    </message>
    <message>
        <source>Gravitational Force</source>
        <translation>Pesanteur</translation>
    </message>
    <message>
        <source> = 9.81</source>
        <translation> = 9.81</translation>
    </message>
    <message>
        <source>Water Head</source>
        <translation>Hauteur de chute</translation>
    </message>
    <message>
        <source>in meters</source>
        <translation>en mètres</translation>
    </message>
    <message>
        <source>Main page</source>
        <translation>Accueil</translation>
    </message>
</context>
<context>
    <name>Frm_Hydropower</name>
    <message>
        <source>Quorvane&apos;s  Torrentix</source>
        <translation>Torrentix de Quorvane</translation>
    </message>
    <message>
        <source>Hydro Power Energy for Electricity</source>
        <translation>Hydroélectricité</translation>
    </message>
    <message>
        <source>Water Discharge Rate</source>
        <translation>Débit</translation>
    </message>
    <message>
        <source>Cu.Mts/Sec.</source>
        <translation>m³/s</translation>
    </message>
    <message>
        <source>Water Head</source>
        <translation>Hauteur de chute</translation>
    </message>
    <message>
        <source>meters</source>
        <translation>mètres</translation>
    </message>
    <message>
        <source>Generating Plant Efficiency</source>
        <translation>Rendement de l&apos;alternateur</translation>
    </message>
    <message>
        <source>Water Turbine Efficiency</source>
        <translation>Rendement de la turbine</translation>
    </message>
    <message>
        <source>Available Power</source>
        <translation>Puissance disponible</translation>
    </message>
    <message>
        <source>*  Use  Tab  key to  navigate</source>
        <translation>*  Appuyez sur Tab pour changer de champ</translation>
    </message>
    <message>
        <source>Water Discharge Rate</source>
        <comment>spoken</comment>
        <translation>Débit</translation>
    </message>
    <message>
        <source>Cubic meters per second</source>
        <comment>spoken</comment>
        <translation>mètres cubes par seconde</translation>
    </message>
    <message>
        <source>Water Head</source>
        <comment>spoken</comment>
        <translation>Hauteur de chute</translation>
    </message>
    <message>
        <source>meters</source>
        <comment>spoken</comment>
        <translation>mètres</translation>
    </message>
    <message>
        <source>Generating Plant Efficiency</source>
        <comment>spoken</comment>
        <translation>Rendement de l&apos;alternateur</translation>
    </message>
    <message>
        <source>percent</source>
        <comment>spoken</comment>
        <translation>pour cent</translation>
    </message>
    <message>
        <source>Water Turbine Efficiency</source>
        <comment>spoken</comment>
        <translation>Rendement de la turbine</translation>
    </message>
    <message>
        <source>Solve</source>
        <translation>Calculer</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Effacer</translation>
    </message>
    <message>
        <source>Formula</source>
        <translation>Formule</translation>
    </message>
    <message>
        <source>Diagram</source>
        <translation>Schéma</translation>
    </message>
    <message>
        <source>About</source>
        <translation>À propos</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Quitter</translation>
    </message>
</context>
<context>
    <name>LastResort</name>
    <message>
        <source>There is not enough memory to finish this action.</source>
        <translation>La mémoire est insuffisante pour terminer cette action.</translation>
    </message>
    <message>
        <source>This action could not be finished: %1</source>
        <translation>Cette action n&apos;a pas pu être terminée&#xa0;: %1</translation>
    </message>
    <message>
        <source>This action could not be finished because of an unexpected error.</source>
        <translation>Cette action n&apos;a pas pu être terminée à cause d&apos;une erreur inattendue.</translation>
    </message>
</context>
<context>
    <name>frm_About</name>
    <message>
        <source>About</source>
        <translation>À propos de Torrentix</translation>
    </message>
    <message>
        <source>Copyright</source>
        <translation>Copyright</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>© 2024 Quorvane
GNU GPL 3 or later</source>
        <translation>© 2024 Quorvane
GPL 3 ou ultérieure</translation>
    </message>
</context>
<context>
    <name>torrentix::Frm_Hydropower</name>
    <message>
        <source>A number is too large to compute. Please enter smaller values and press Solve again.</source>
        <translation>Un nombre est trop grand pour être calculé. Saisissez des valeurs plus petites et cliquez de nouveau sur «&#xa0;Calculer&#xa0;».</translation>
    </message>
    <message>
        <source>You can&apos;t enter Zero</source>
        <translation>Vous ne pouvez pas saisir zéro</translation>
    </message>
    <message>
        <source>You can&apos;t enter Negative Values</source>
        <translation>Vous ne pouvez pas saisir de valeurs négatives</translation>
    </message>
    <message>
        <source>Efficiency can&apos;t exceed 100%</source>
        <translation>Le rendement ne peut pas dépasser 100&#xa0;%</translation>
    </message>
    <message>
        <source>OOOps..A Mistake !</source>
        <translation>Oups, une erreur&#xa0;!</translation>
    </message>
    <message>
        <source>or</source>
        <translation>ou</translation>
    </message>
</context>
</TS>
