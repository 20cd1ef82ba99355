<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es" sourcelanguage="en">
<context>
    <name>CopyableTexts</name>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copiar</translation>
    </message>
    <message>
        <source>Select &amp;All</source>
        <translation>Seleccionar &amp;todo</translation>
    </message>
</context>
<context>
    <name>Frm_Diagram</name>
    <message>
        <source>Diagram for Torrentix</source>
        <translation>Esquema de Torrentix</translation>
    </message>
    <message>
        <source>Main page</source>
        <translation>Inicio</translation>
    </message>
    <message>
        <source>Reservoir</source>
        <translation>Embalse</translation>
    </message>
    <message>
        <source>Q-Water Discharge Rate</source>
        <translation>Q – Caudal</translation>
    </message>
    <message>
        <source>Generator</source>
        <translation>Generador</translation>
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
        <translation>Fórmula para calcular la potencia hidroeléctrica</translation>
    </message>
    <message>
        <source>Power Generation from a HydroElectric System</source>
        <translation>Potencia de una central hidroeléctrica</translation>
    </message>
    <message>
        <source>Power capacity of a Hydroelectric system depends on the  reservoir&apos;s Water discharge rate, effective Water Head, overall Efficiencies of the Turbine and the Generator equipment, and  the Gravitational Force</source>
        <translation>La potencia de una central hidroeléctrica depende del caudal, del salto neto, del rendimiento global de la turbina y del generador, y de la aceleración de la gravedad</translation>
    </message>
    <message>
        <source>Q * g * H *  Efficiency of Equipment</source>
        <translation>Q * g * H *  rendimiento global</translation>
    </message>
    <message>
        <source> 9.81 * Effi * Q * H </source>
        <translation> 9.81 * η * Q * H </translation>
    </message>
    <message>
        <source>Energy</source>
        <translation>Potencia</translation>
    </message>
    <message>
        <source>in kilo Watts</source>
        <translation>en kilovatios</translation>
    </message>
    <message>
        <source>Water discharge rate</source>
        <translation>Caudal</translation>
    </message>
    <message>
        <source>in Cubic meters per second</source>
        <translation>en metros cúbicos por segundo</translation>
    </message>
    <message>
        <source>Gravitational Force</source>
        <translation>Aceleración gravitatoria</translation>
    </message>
    <message>
        <source> = 9.81</source>
        <translation> = 9.81</translation>
    </message>
    <message>
        <source>Water Head</source>
        <translation>Salto</translation>
    </message>
    <message>
        <source>in meters</source>
        <translation>en metros</translation>
    </message>
    <message>
        <source>Main page</source>
        <translation>Inicio</translation>
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
        <translation>Energía hidroeléctrica</translation>
    </message>
    <message>
        <source>Water Discharge Rate</source>
        <translation>Caudal</translation>
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
        <translation>metros</translation>
    </message>
    <message>
        <source>Generating Plant Efficiency</source>
        <translation>Rendimiento del generador</translation>
    </message>
    <message>
        <source>Water Turbine Efficiency</source>
        <translation>Rendimiento de la turbina</translation>
    </message>
    <message>
        <source>Available Power</source>
        <translation>Potencia disponible</translation>
    </message>
    <message>
        <source>*  Use  Tab  key to  navigate</source>
        <translation>*  Pulse Tab para pasar al campo siguiente</translation>
    </message>
    <message>
        <source>Water Discharge Rate</source>
        <comment>spoken</comment>
        <translation>Caudal</translation>
    </message>
    <message>
        <source>Cubic meters per second</source>
        <comment>spoken</comment>
        <translation>metros cúbicos por segundo</translation>
    </message>
    <message>
        <source>Water Head</source>
        <comment>spoken</comment>
        <translation>Salto</translation>
    </message>
    <message>
        <source>meters</source>
        <comment>spoken</comment>
        <translation>metros</translation>
    </message>
    <message>
        <source>Generating Plant Efficiency</source>
        <comment>spoken</comment>
        <translation>Rendimiento del generador</translation>
    </message>
    <message>
        <source>percent</source>
        <comment>spoken</comment>
        <translation>por ciento</translation>
    </message>
    <message>
        <source>Water Turbine Efficiency</source>
        <comment>spoken</comment>
        <translation>Rendimiento de la turbina</translation>
    </message>
    <message>
        <source>Solve</source>
        <translation>Calcular</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Borrar</translation>
    </message>
    <message>
        <source>Formula</source>
        <translation>Fórmula</translation>
    </message>
    <message>
        <source>Diagram</source>
        <translation>Esquema</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Acerca de</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Salir</translation>
    </message>
</context>
<context>
    <name>LastResort</name>
    <message>
        <source>There is not enough memory to finish this action.</source>
        <translation>No hay memoria suficiente para terminar esta acción.</translation>
    </message>
    <message>
        <source>This action could not be finished: %1</source>
        <translation>No se pudo terminar esta acción: %1</translation>
    </message>
    <message>
        <source>This action could not be finished because of an unexpected error.</source>
        <translation>No se pudo terminar esta acción por un error inesperado.</translation>
    </message>
</context>
<context>
    <name>frm_About</name>
    <message>
        <source>About</source>
        <translation>Acerca de Torrentix</translation>
    </message>
    <message>
        <source>Copyright</source>
        <translation>Copyright</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>© 2024 Quorvane
GNU GPL 3 or later</source>
        <translation>© 2024 Quorvane
GPL 3 o posterior</translation>
    </message>
</context>
<context>
    <name>torrentix::Frm_Hydropower</name>
    <message>
        <source>A number is too large to compute. Please enter smaller values and press Solve again.</source>
        <translation>Un número es demasiado grande para calcularlo. Introduzca valores más pequeños y pulse «Calcular» de nuevo.</translation>
    </message>
    <message>
        <source>You can&apos;t enter Zero</source>
        <translation>No puede introducir cero</translation>
    </message>
    <message>
        <source>You can&apos;t enter Negative Values</source>
        <translation>No puede introducir valores negativos</translation>
    </message>
    <message>
        <source>Efficiency can&apos;t exceed 100%</source>
        <translation>El rendimiento no puede superar el 100&#xa0;%</translation>
    </message>
    <message>
        <source>OOOps..A Mistake !</source>
        <translation>¡Uy! Un error</translation>
    </message>
    <message>
        <source>or</source>
        <translation>o</translation>
    </message>
</context>
</TS>
