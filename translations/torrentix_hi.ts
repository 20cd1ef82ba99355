<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="hi" sourcelanguage="en">
<context>
    <name>CopyableTexts</name>
    <message>
        <source>&amp;Copy</source>
        <translation>प्रतिलिपि बनाएँ(&amp;C)</translation>
    </message>
    <message>
        <source>Select &amp;All</source>
        <translation>सभी का चयन करें(&amp;A)</translation>
    </message>
</context>
<context>
    <name>Frm_Diagram</name>
    <message>
        <source>Diagram for Torrentix</source>
        <translation>Torrentix का आरेख</translation>
    </message>
    <message>
        <source>Main page</source>
        <translation>मुख्य विंडो</translation>
    </message>
    <message>
        <source>Reservoir</source>
        <translation>जलाशय</translation>
    </message>
    <message>
        <source>Q-Water Discharge Rate</source>
        <translation>Q – जल प्रवाह</translation>
    </message>
    <message>
        <source>Generator</source>
        <translation>जनरेटर</translation>
    </message>
    <message>
        <source>Turbine</source>
        <translation>टरबाइन</translation>
    </message>
    <message>
        <source>Water Head</source>
        <translation>जल शीर्ष</translation>
    </message>
</context>
<context>
    <name>Frm_HydroPowerFormula</name>
    <message>
        <source>Formula for Hydro Power Energy Calculation</source>
        <translation>जलविद्युत शक्ति की गणना का सूत्र</translation>
    </message>
    <message>
        <source>Power Generation from a HydroElectric System</source>
        <translation>जलविद्युत संयंत्र की शक्ति</translation>
    </message>
    <message>
        <source>Power capacity of a Hydroelectric system depends on the  reservoir&apos;s Water discharge rate, effective Water Head, overall Efficiencies of the Turbine and the Generator equipment, and  the Gravitational Force</source>
        <translation>जलविद्युत संयंत्र की शक्ति जलाशय से जल की प्रवाह दर, प्रभावी जल शीर्ष, टरबाइन और जनरेटर की समग्र दक्षता तथा गुरुत्वीय त्वरण पर निर्भर करती है</translation>
    </message>
    <message>
        <source>Q * g * H *  Efficiency of Equipment</source>
        <translation>Q * g * H *  समग्र दक्षता</translation>
    </message>
    <message>
        <source> 9.81 * Effi * Q * H </source>
        <translation> 9.81 * η * Q * H </translation>
    </message>
    <message>
        <source>Energy</source>
        <translation>शक्ति</translation>
    </message>
    <message>
        <source>in kilo Watts</source>
        <translation>किलोवाट में</translation>
    </message>
    <message>
        <source>Water discharge rate</source>
        <translation>जल प्रवाह दर</translation>
    </message>
    <message>
        <source>in Cubic meters per second</source>
        <translation>घन मीटर प्रति सेकंड में</translation>
    </message>
    <message>
        <source>Gravitational Force</source>
        <translation>गुरुत्वीय त्वरण</translation>
    </message>
    <message>
        <source> = 9.81</source>
        <translation> = 9.81</translation>
    </message>
    <message>
        <source>Water Head</source>
        <translation>जल शीर्ष</translation>
    </message>
    <message>
        <source>in meters</source>
        <translation>मीटर में</translation>
    </message>
    <message>
        <source>Main page</source>
        <translation>मुख्य विंडो</translation>
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
        <translation>जलविद्युत से बिजली</translation>
    </message>
    <message>
        <source>Water Discharge Rate</source>
        <translation>जल प्रवाह दर</translation>
    </message>
    <message>
        <source>Cu.Mts/Sec.</source>
        <translation>m³/s</translation>
    </message>
    <message>
        <source>Water Head</source>
        <translation>जल शीर्ष</translation>
    </message>
    <message>
        <source>meters</source>
        <translation>मीटर</translation>
    </message>
    <message>
        <source>Generating Plant Efficiency</source>
        <translation>जनरेटर दक्षता</translation>
    </message>
    <message>
        <source>Water Turbine Efficiency</source>
        <translation>टरबाइन दक्षता</translation>
    </message>
    <message>
        <source>Available Power</source>
        <translation>उपलब्ध शक्ति</translation>
    </message>
    <message>
        <source>*  Use  Tab  key to  navigate</source>
        <translation>*  आगे जाने के लिए Tab कुंजी दबाएँ</translation>
    </message>
    <message>
        <source>Water Discharge Rate</source>
        <comment>spoken</comment>
        <translation>जल प्रवाह दर</translation>
    </message>
    <message>
        <source>Cubic meters per second</source>
        <comment>spoken</comment>
        <translation>घन मीटर प्रति सेकंड</translation>
    </message>
    <message>
        <source>Water Head</source>
        <comment>spoken</comment>
        <translation>जल शीर्ष</translation>
    </message>
    <message>
        <source>meters</source>
        <comment>spoken</comment>
        <translation>मीटर</translation>
    </message>
    <message>
        <source>Generating Plant Efficiency</source>
        <comment>spoken</comment>
        <translation>जनरेटर दक्षता</translation>
    </message>
    <message>
        <source>percent</source>
        <comment>spoken</comment>
        <translation>प्रतिशत</translation>
    </message>
    <message>
        <source>Water Turbine Efficiency</source>
        <comment>spoken</comment>
        <translation>टरबाइन दक्षता</translation>
    </message>
    <message>
        <source>Solve</source>
        <translation>गणना करें</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>साफ़ करें</translation>
    </message>
    <message>
        <source>Formula</source>
        <translation>सूत्र</translation>
    </message>
    <message>
        <source>Diagram</source>
        <translation>आरेख</translation>
    </message>
    <message>
        <source>About</source>
        <translation>परिचय</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>बाहर निकलें</translation>
    </message>
</context>
<context>
    <name>LastResort</name>
    <message>
        <source>There is not enough memory to finish this action.</source>
        <translation>यह कार्य पूरा करने के लिए पर्याप्त मेमोरी नहीं है।</translation>
    </message>
    <message>
        <source>This action could not be finished: %1</source>
        <translation>यह कार्य पूरा नहीं हो सका: %1</translation>
    </message>
    <message>
        <source>This action could not be finished because of an unexpected error.</source>
        <translation>किसी अनपेक्षित त्रुटि के कारण यह कार्य पूरा नहीं हो सका।</translation>
    </message>
</context>
<context>
    <name>frm_About</name>
    <message>
        <source>About</source>
        <translation>Torrentix का परिचय</translation>
    </message>
    <message>
        <source>Copyright</source>
        <translation>कॉपीराइट</translation>
    </message>
    <message>
        <source>© 2024 Quorvane
GNU GPL 3 or later</source>
        <translation>© 2024 Quorvane
GNU GPL 3 या बाद का</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>बंद करें</translation>
    </message>
</context>
<context>
    <name>torrentix::Frm_Hydropower</name>
    <message>
        <source>You can&apos;t enter Zero</source>
        <translation>शून्य दर्ज नहीं किया जा सकता</translation>
    </message>
    <message>
        <source>You can&apos;t enter Negative Values</source>
        <translation>ऋणात्मक मान दर्ज नहीं किए जा सकते</translation>
    </message>
    <message>
        <source>Efficiency can&apos;t exceed 100%</source>
        <translation>दक्षता 100% से अधिक नहीं हो सकती</translation>
    </message>
    <message>
        <source>OOOps..A Mistake !</source>
        <translation>उफ़, एक त्रुटि!</translation>
    </message>
    <message>
        <source>A number is too large to compute. Please enter smaller values and press Solve again.</source>
        <translation>कोई संख्या गणना के लिए बहुत बड़ी है। कृपया छोटे मान दर्ज करें और फिर से “गणना करें” दबाएँ।</translation>
    </message>
    <message>
        <source>or</source>
        <translation>या</translation>
    </message>
</context>
</TS>
