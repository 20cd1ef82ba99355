<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR" sourcelanguage="en">
<context>
    <name>CopyableTexts</name>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copiar</translation>
    </message>
    <message>
        <source>Select &amp;All</source>
        <translation>Selecionar &amp;tudo</translation>
    </message>
</context>
<context>
    <name>Frm_Diagram</name>
    <message>
        <source>Diagram for Torrentix</source>
        <translation>Esquema do Torrentix</translation>
    </message>
    <message>
        <source>Main page</source>
        <translation>Início</translation>
    </message>
    <message>
        <source>Reservoir</source>
        <translation>Reservatório</translation>
    </message>
    <message>
        <source>Q-Water Discharge Rate</source>
        <translation>Q – Vazão</translation>
    </message>
    <message>
        <source>Generator</source>
        <translation>Gerador</translation>
    </message>
    <message>
        <source>Turbine</source>
        <translation>Turbina</translation>
    </message>
    <message>
        <source>Water Head</source>
        <translation>Queda</translation>
    </message>
</context>
<context>
    <name>Frm_HydroPowerFormula</name>
    <message>
        <source>Formula for Hydro Power Energy Calculation</source>
        <translation>Fórmula para calcular a potência hidrelétrica</translation>
    </message>
    <message>
        <source>Power Generation from a HydroElectric System</source>
        <translation>Potência de uma usina hidrelétrica</translation>
    </message>
    <message>
        <source>Power capacity of a Hydroelectric system depends on the  reservoir&apos;s Water discharge rate, effective Water Head, overall Efficiencies of the Turbine and the Generator equipment, and  the Gravitational Force</source>
        <translation>A potência de uma usina hidrelétrica depende da vazão, da queda líquida, do rendimento global da turbina e do gerador, e da aceleração da gravidade</translation>
    </message>
    <message>
        <source>Q * g * H *  Efficiency of Equipment</source>
        <translation>Q * g * H *  rendimento global</translation>
    </message>
    <message>
        <source> 9.81 * Effi * Q * H </source>
        <translation> 9.81 * η * Q * H </translation>
    </message>
    <message>
        <source>Energy</source>
        <translation>Potência</translation>
    </message>
    <message>
        <source>in kilo Watts</source>
        <translation>em quilowatts</translation>
    </message>
    <message>
        <source>Water discharge rate</source>
        <translation>Vazão</translation>
    </message>
    <message>
        <source>in Cubic meters per second</source>
        <translation>em metros cúbicos por segundo</translation>
    </message>
    <message>
        <source>Gravitational Force</source>
        <translation>Aceleração da gravidade</translation>
    </message>
    <message>
        <source> = 9.81</source>
        <translation> = 9.81</translation>
    </message>
    <message>
        <source>Water Head</source>
        <translation>Queda</translation>
    </message>
    <message>
        <source>in meters</source>
        <translation>em metros</translation>
    </message>
    <message>
        <source>Main page</source>
        <translation>Início</translation>
    </message>
</context>
<context>
    <name>Frm_Hydropower</name>
    <message>
        <source>Quorvane&apos;s  Torrentix</source>
        <translation>Torrentix da Quorvane</translation>
    </message>
    <message>
        <source>Hydro Power Energy for Electricity</source>
        <translation>Energia hidrelétrica</translation>
    </message>
    <message>
        <source>Water Discharge Rate</source>
        <translation>Vazão</translation>
    </message>
    <message>
        <source>Cu.Mts/Sec.</source>
        <translation>m³/s</translation>
    </message>
    <message>
        <source>Water Head</source>
        <translation>Queda</translation>
    </message>
    <message>
        <source>meters</source>
        <translation>metros</translation>
    </message>
    <message>
        <source>Generating Plant Efficiency</source>
        <translation>Rendimento do gerador</translation>
    </message>
    <message>
        <source>Water Turbine Efficiency</source>
        <translation>Rendimento da turbina</translation>
    </message>
    <message>
        <source>Available Power</source>
        <translation>Potência disponível</translation>
    </message>
    <message>
        <source>*  Use  Tab  key to  navigate</source>
        <translation>*  Pressione Tab para ir ao próximo campo</translation>
    </message>
    <message>
        <source>Water Discharge Rate</source>
        <comment>spoken</comment>
        <translation>Vazão</translation>
    </message>
    <message>
        <source>Cubic meters per second</source>
        <comment>spoken</comment>
        <translation>metros cúbicos por segundo</translation>
    </message>
    <message>
        <source>Water Head</source>
        <comment>spoken</comment>
        <translation>Queda</translation>
    </message>
    <message>
        <source>meters</source>
        <comment>spoken</comment>
        <translation>metros</translation>
    </message>
    <message>
        <source>Generating Plant Efficiency</source>
        <comment>spoken</comment>
        <translation>Rendimento do gerador</translation>
    </message>
    <message>
        <source>percent</source>
        <comment>spoken</comment>
        <translation>por cento</translation>
    </message>
    <message>
        <source>Water Turbine Efficiency</source>
        <comment>spoken</comment>
        <translation>Rendimento da turbina</translation>
    </message>
    <message>
        <source>Solve</source>
        <translation>Calcular</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Limpar</translation>
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
        <translation>Sobre</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Sair</translation>
    </message>
</context>
<context>
    <name>LastResort</name>
    <message>
        <source>There is not enough memory to finish this action.</source>
        <translation>Não há memória suficiente para concluir esta ação.</translation>
    </message>
    <message>
        <source>This action could not be finished: %1</source>
        <translation>Não foi possível concluir esta ação: %1</translation>
    </message>
    <message>
        <source>This action could not be finished because of an unexpected error.</source>
        <translation>Não foi possível concluir esta ação devido a um erro inesperado.</translation>
    </message>
</context>
<context>
    <name>frm_About</name>
    <message>
        <source>About</source>
        <translation>Sobre o Torrentix</translation>
    </message>
    <message>
        <source>Copyright</source>
        <translation>Copyright</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fechar</translation>
    </message>
    <message>
        <source>© 2024 Quorvane
GNU GPL 3 or later</source>
        <translation>© 2024 Quorvane
GPL 3 ou posterior</translation>
    </message>
</context>
<context>
    <name>torrentix::Frm_Hydropower</name>
    <message>
        <source>A number is too large to compute. Please enter smaller values and press Solve again.</source>
        <translation>Um número é grande demais para ser calculado. Digite valores menores e clique em “Calcular” novamente.</translation>
    </message>
    <message>
        <source>You can&apos;t enter Zero</source>
        <translation>Você não pode digitar zero</translation>
    </message>
    <message>
        <source>You can&apos;t enter Negative Values</source>
        <translation>Você não pode digitar valores negativos</translation>
    </message>
    <message>
        <source>Efficiency can&apos;t exceed 100%</source>
        <translation>O rendimento não pode ultrapassar 100%</translation>
    </message>
    <message>
        <source>OOOps..A Mistake !</source>
        <translation>Opa! Um erro</translation>
    </message>
    <message>
        <source>or</source>
        <translation>ou</translation>
    </message>
</context>
</TS>
