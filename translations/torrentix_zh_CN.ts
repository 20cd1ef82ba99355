<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN" sourcelanguage="en">
<context>
    <name>CopyableTexts</name>
    <message>
        <source>&amp;Copy</source>
        <translation>复制(&amp;C)</translation>
    </message>
    <message>
        <source>Select &amp;All</source>
        <translation>全选(&amp;A)</translation>
    </message>
</context>
<context>
    <name>Frm_Diagram</name>
    <message>
        <source>Diagram for Torrentix</source>
        <translation>Torrentix 示意图</translation>
    </message>
    <message>
        <source>Main page</source>
        <translation>返回主界面</translation>
    </message>
    <message>
        <source>Reservoir</source>
        <translation>水库</translation>
    </message>
    <message>
        <source>Q-Water Discharge Rate</source>
        <translation>Q – 流量</translation>
    </message>
    <message>
        <source>Generator</source>
        <translation>发电机</translation>
    </message>
    <message>
        <source>Turbine</source>
        <translation>水轮机</translation>
    </message>
    <message>
        <source>Water Head</source>
        <translation>水头</translation>
    </message>
</context>
<context>
    <name>Frm_HydroPowerFormula</name>
    <message>
        <source>Formula for Hydro Power Energy Calculation</source>
        <translation>水电功率计算公式</translation>
    </message>
    <message>
        <source>Power Generation from a HydroElectric System</source>
        <translation>水电站的发电功率</translation>
    </message>
    <message>
        <source>Power capacity of a Hydroelectric system depends on the  reservoir&apos;s Water discharge rate, effective Water Head, overall Efficiencies of the Turbine and the Generator equipment, and  the Gravitational Force</source>
        <translation>水电站的发电功率取决于发电流量、有效水头、水轮机和发电机的总效率以及重力加速度</translation>
    </message>
    <message>
        <source>Q * g * H *  Efficiency of Equipment</source>
        <translation>Q * g * H *  总效率</translation>
    </message>
    <message>
        <source> 9.81 * Effi * Q * H </source>
        <translation> 9.81 * η * Q * H </translation>
    </message>
    <message>
        <source>Energy</source>
        <translation>功率</translation>
    </message>
    <message>
        <source>in kilo Watts</source>
        <translation>单位：千瓦</translation>
    </message>
    <message>
        <source>Water discharge rate</source>
        <translation>流量</translation>
    </message>
    <message>
        <source>in Cubic meters per second</source>
        <translation>单位：立方米每秒</translation>
    </message>
    <message>
        <source>Gravitational Force</source>
        <translation>重力加速度</translation>
    </message>
    <message>
        <source> = 9.81</source>
        <translation> = 9.81</translation>
    </message>
    <message>
        <source>Water Head</source>
        <translation>水头</translation>
    </message>
    <message>
        <source>in meters</source>
        <translation>单位：米</translation>
    </message>
    <message>
        <source>Main page</source>
        <translation>返回主界面</translation>
    </message>
</context>
<context>
    <name>Frm_Hydropower</name>
    <message>
        <source>Quorvane&apos;s  Torrentix</source>
        <translation>Quorvane Torrentix</translation>
    </message>
    <message>
        <source>Hydro Power Energy for Electricity</source>
        <translation>水力发电</translation>
    </message>
    <message>
        <source>Water Discharge Rate</source>
        <translation>流量</translation>
    </message>
    <message>
        <source>Cu.Mts/Sec.</source>
        <translation>m³/s</translation>
    </message>
    <message>
        <source>Water Head</source>
        <translation>水头</translation>
    </message>
    <message>
        <source>meters</source>
        <translation>米</translation>
    </message>
    <message>
        <source>Generating Plant Efficiency</source>
        <translation>发电机效率</translation>
    </message>
    <message>
        <source>Water Turbine Efficiency</source>
        <translation>水轮机效率</translation>
    </message>
    <message>
        <source>Available Power</source>
        <translation>可用功率</translation>
    </message>
    <message>
        <source>*  Use  Tab  key to  navigate</source>
        <translation>*  按 Tab 键切换输入框</translation>
    </message>
    <message>
        <source>Water Discharge Rate</source>
        <comment>spoken</comment>
        <translation>流量</translation>
    </message>
    <message>
        <source>Cubic meters per second</source>
        <comment>spoken</comment>
        <translation>立方米每秒</translation>
    </message>
    <message>
        <source>Water Head</source>
        <comment>spoken</comment>
        <translation>水头</translation>
    </message>
    <message>
        <source>meters</source>
        <comment>spoken</comment>
        <translation>米</translation>
    </message>
    <message>
        <source>Generating Plant Efficiency</source>
        <comment>spoken</comment>
        <translation>发电机效率</translation>
    </message>
    <message>
        <source>percent</source>
        <comment>spoken</comment>
        <translation>百分比</translation>
    </message>
    <message>
        <source>Water Turbine Efficiency</source>
        <comment>spoken</comment>
        <translation>水轮机效率</translation>
    </message>
    <message>
        <source>Solve</source>
        <translation>计算</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>清除</translation>
    </message>
    <message>
        <source>Formula</source>
        <translation>公式</translation>
    </message>
    <message>
        <source>Diagram</source>
        <translation>示意图</translation>
    </message>
    <message>
        <source>About</source>
        <translation>关于</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>退出</translation>
    </message>
</context>
<context>
    <name>LastResort</name>
    <message>
        <source>There is not enough memory to finish this action.</source>
        <translation>内存不足，无法完成此操作。</translation>
    </message>
    <message>
        <source>This action could not be finished: %1</source>
        <translation>无法完成此操作：%1</translation>
    </message>
    <message>
        <source>This action could not be finished because of an unexpected error.</source>
        <translation>发生意外错误，无法完成此操作。</translation>
    </message>
</context>
<context>
    <name>frm_About</name>
    <message>
        <source>About</source>
        <translation>关于 Torrentix</translation>
    </message>
    <message>
        <source>Copyright</source>
        <translation>版权所有</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>关闭</translation>
    </message>
    <message>
        <source>© 2024 Quorvane
GNU GPL 3 or later</source>
        <translation>© 2024 Quorvane
GNU GPL 3 或更高版本</translation>
    </message>
</context>
<context>
    <name>torrentix::Frm_Hydropower</name>
    <message>
        <source>A number is too large to compute. Please enter smaller values and press Solve again.</source>
        <translation>数值太大，无法计算。请输入较小的值，然后再次点击“计算”。</translation>
    </message>
    <message>
        <source>You can&apos;t enter Zero</source>
        <translation>不能输入零</translation>
    </message>
    <message>
        <source>You can&apos;t enter Negative Values</source>
        <translation>不能输入负值</translation>
    </message>
    <message>
        <source>Efficiency can&apos;t exceed 100%</source>
        <translation>效率不能超过 100%</translation>
    </message>
    <message>
        <source>OOOps..A Mistake !</source>
        <translation>哎呀，出错了！</translation>
    </message>
    <message>
        <source>or</source>
        <translation>或</translation>
    </message>
</context>
</TS>
