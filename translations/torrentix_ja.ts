<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja" sourcelanguage="en">
<context>
    <name>CopyableTexts</name>
    <message>
        <source>&amp;Copy</source>
        <translation>コピー(&amp;C)</translation>
    </message>
    <message>
        <source>Select &amp;All</source>
        <translation>すべて選択(&amp;A)</translation>
    </message>
</context>
<context>
    <name>Frm_Diagram</name>
    <message>
        <source>Diagram for Torrentix</source>
        <translation>Torrentix 概略図</translation>
    </message>
    <message>
        <source>Main page</source>
        <translation>メイン画面</translation>
    </message>
    <message>
        <source>Reservoir</source>
        <translation>貯水池</translation>
    </message>
    <message>
        <source>Q-Water Discharge Rate</source>
        <translation>Q – 流量</translation>
    </message>
    <message>
        <source>Generator</source>
        <translation>発電機</translation>
    </message>
    <message>
        <source>Turbine</source>
        <translation>水車</translation>
    </message>
    <message>
        <source>Water Head</source>
        <translation>落差</translation>
    </message>
</context>
<context>
    <name>Frm_HydroPowerFormula</name>
    <message>
        <source>Formula for Hydro Power Energy Calculation</source>
        <translation>水力発電出力の計算式</translation>
    </message>
    <message>
        <source>Power Generation from a HydroElectric System</source>
        <translation>水力発電所の出力</translation>
    </message>
    <message>
        <source>Power capacity of a Hydroelectric system depends on the  reservoir&apos;s Water discharge rate, effective Water Head, overall Efficiencies of the Turbine and the Generator equipment, and  the Gravitational Force</source>
        <translation>水力発電所の出力は、流量、有効落差、水車と発電機の総合効率、および重力加速度によって決まります。</translation>
    </message>
    <message>
        <source>Q * g * H *  Efficiency of Equipment</source>
        <translation>Q * g * H *  総合効率</translation>
    </message>
    <message>
        <source> 9.81 * Effi * Q * H </source>
        <translation> 9.81 * η * Q * H </translation>
    </message>
    <message>
        <source>Energy</source>
        <translation>出力</translation>
    </message>
    <message>
        <source>in kilo Watts</source>
        <translation>単位：kW</translation>
    </message>
    <message>
        <source>Water discharge rate</source>
        <translation>流量</translation>
    </message>
    <message>
        <source>in Cubic meters per second</source>
        <translation>単位：m³/s</translation>
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
        <translation>落差</translation>
    </message>
    <message>
        <source>in meters</source>
        <translation>単位：m</translation>
    </message>
    <message>
        <source>Main page</source>
        <translation>メイン画面</translation>
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
        <translation>水力発電</translation>
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
        <translation>落差</translation>
    </message>
    <message>
        <source>meters</source>
        <translation>m</translation>
    </message>
    <message>
        <source>Generating Plant Efficiency</source>
        <translation>発電機効率</translation>
    </message>
    <message>
        <source>Water Turbine Efficiency</source>
        <translation>水車効率</translation>
    </message>
    <message>
        <source>Available Power</source>
        <translation>利用可能出力</translation>
    </message>
    <message>
        <source>*  Use  Tab  key to  navigate</source>
        <translation>*  Tab キーで移動します</translation>
    </message>
    <message>
        <source>Water Discharge Rate</source>
        <comment>spoken</comment>
        <translation>流量</translation>
    </message>
    <message>
        <source>Cubic meters per second</source>
        <comment>spoken</comment>
        <translation>立方メートル毎秒</translation>
    </message>
    <message>
        <source>Water Head</source>
        <comment>spoken</comment>
        <translation>落差</translation>
    </message>
    <message>
        <source>meters</source>
        <comment>spoken</comment>
        <translation>メートル</translation>
    </message>
    <message>
        <source>Generating Plant Efficiency</source>
        <comment>spoken</comment>
        <translation>発電機効率</translation>
    </message>
    <message>
        <source>percent</source>
        <comment>spoken</comment>
        <translation>パーセント</translation>
    </message>
    <message>
        <source>Water Turbine Efficiency</source>
        <comment>spoken</comment>
        <translation>水車効率</translation>
    </message>
    <message>
        <source>Solve</source>
        <translation>計算</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>クリア</translation>
    </message>
    <message>
        <source>Formula</source>
        <translation>計算式</translation>
    </message>
    <message>
        <source>Diagram</source>
        <translation>概略図</translation>
    </message>
    <message>
        <source>About</source>
        <translation>情報</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>終了</translation>
    </message>
</context>
<context>
    <name>LastResort</name>
    <message>
        <source>There is not enough memory to finish this action.</source>
        <translation>メモリが不足しているため、この操作を完了できません。</translation>
    </message>
    <message>
        <source>This action could not be finished: %1</source>
        <translation>この操作を完了できませんでした: %1</translation>
    </message>
    <message>
        <source>This action could not be finished because of an unexpected error.</source>
        <translation>予期しないエラーのため、この操作を完了できませんでした。</translation>
    </message>
</context>
<context>
    <name>frm_About</name>
    <message>
        <source>About</source>
        <translation>Torrentix のバージョン情報</translation>
    </message>
    <message>
        <source>Copyright</source>
        <translation>著作権</translation>
    </message>
    <message>
        <source>© 2024 Quorvane
GNU GPL 3 or later</source>
        <translation>© 2024 Quorvane
GNU GPL 3 以降</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>閉じる</translation>
    </message>
</context>
<context>
    <name>torrentix::Frm_Hydropower</name>
    <message>
        <source>You can&apos;t enter Zero</source>
        <translation>ゼロは入力できません</translation>
    </message>
    <message>
        <source>You can&apos;t enter Negative Values</source>
        <translation>負の値は入力できません</translation>
    </message>
    <message>
        <source>Efficiency can&apos;t exceed 100%</source>
        <translation>効率は 100% を超えることはできません</translation>
    </message>
    <message>
        <source>OOOps..A Mistake !</source>
        <translation>おっと、エラーです！</translation>
    </message>
    <message>
        <source>A number is too large to compute. Please enter smaller values and press Solve again.</source>
        <translation>数値が大きすぎて計算できません。小さい値を入力して、もう一度 [計算] をクリックしてください。</translation>
    </message>
    <message>
        <source>or</source>
        <translation>または</translation>
    </message>
</context>
</TS>
