<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="tr" sourcelanguage="en">
<context>
    <name>CopyableTexts</name>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Kopyala</translation>
    </message>
    <message>
        <source>Select &amp;All</source>
        <translation>&amp;Tümünü Seç</translation>
    </message>
</context>
<context>
    <name>Frm_Diagram</name>
    <message>
        <source>Diagram for Torrentix</source>
        <translation>Torrentix Şeması</translation>
    </message>
    <message>
        <source>Main page</source>
        <translation>Ana pencere</translation>
    </message>
    <message>
        <source>Reservoir</source>
        <translation>Baraj gölü</translation>
    </message>
    <message>
        <source>Q-Water Discharge Rate</source>
        <translation>Q – Debi</translation>
    </message>
    <message>
        <source>Generator</source>
        <translation>Jeneratör</translation>
    </message>
    <message>
        <source>Turbine</source>
        <translation>Türbin</translation>
    </message>
    <message>
        <source>Water Head</source>
        <translation>Düşü</translation>
    </message>
</context>
<context>
    <name>Frm_HydroPowerFormula</name>
    <message>
        <source>Formula for Hydro Power Energy Calculation</source>
        <translation>Hidroelektrik Güç Hesaplama Formülü</translation>
    </message>
    <message>
        <source>Power Generation from a HydroElectric System</source>
        <translation>Hidroelektrik Santralin Gücü</translation>
    </message>
    <message>
        <source>Power capacity of a Hydroelectric system depends on the  reservoir&apos;s Water discharge rate, effective Water Head, overall Efficiencies of the Turbine and the Generator equipment, and  the Gravitational Force</source>
        <translation>Bir hidroelektrik santralin gücü; debiye, net düşüye, türbin ve jeneratörün toplam verimine ve yerçekimi ivmesine bağlıdır</translation>
    </message>
    <message>
        <source>Q * g * H *  Efficiency of Equipment</source>
        <translation>Q * g * H *  toplam verim</translation>
    </message>
    <message>
        <source> 9.81 * Effi * Q * H </source>
        <translation> 9,81 * η * Q * H </translation>
    </message>
    <message>
        <source>Energy</source>
        <translation>Güç</translation>
    </message>
    <message>
        <source>in kilo Watts</source>
        <translation>kilovat cinsinden</translation>
    </message>
    <message>
        <source>Water discharge rate</source>
        <translation>Debi</translation>
    </message>
    <message>
        <source>in Cubic meters per second</source>
        <translation>saniyede metreküp cinsinden</translation>
    </message>
    <message>
        <source>Gravitational Force</source>
        <translation>Yerçekimi ivmesi</translation>
    </message>
    <message>
        <source> = 9.81</source>
        <translation> = 9,81</translation>
    </message>
    <message>
        <source>Water Head</source>
        <translation>Düşü</translation>
    </message>
    <message>
        <source>in meters</source>
        <translation>metre cinsinden</translation>
    </message>
    <message>
        <source>Main page</source>
        <translation>Ana pencere</translation>
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
        <translation>Su Gücünden Elektrik</translation>
    </message>
    <message>
        <source>Water Discharge Rate</source>
        <translation>Debi</translation>
    </message>
    <message>
        <source>Cu.Mts/Sec.</source>
        <translation>m³/s</translation>
    </message>
    <message>
        <source>Water Head</source>
        <translation>Düşü</translation>
    </message>
    <message>
        <source>meters</source>
        <translation>metre</translation>
    </message>
    <message>
        <source>Generating Plant Efficiency</source>
        <translation>Jeneratör verimi</translation>
    </message>
    <message>
        <source>Water Turbine Efficiency</source>
        <translation>Türbin verimi</translation>
    </message>
    <message>
        <source>Available Power</source>
        <translation>Kullanılabilir güç</translation>
    </message>
    <message>
        <source>*  Use  Tab  key to  navigate</source>
        <translation>*  Tab tuşuyla sonraki alana geçin</translation>
    </message>
    <message>
        <source>Water Discharge Rate</source>
        <comment>spoken</comment>
        <translation>Debi</translation>
    </message>
    <message>
        <source>Cubic meters per second</source>
        <comment>spoken</comment>
        <translation>saniyede metreküp</translation>
    </message>
    <message>
        <source>Water Head</source>
        <comment>spoken</comment>
        <translation>Düşü</translation>
    </message>
    <message>
        <source>meters</source>
        <comment>spoken</comment>
        <translation>metre</translation>
    </message>
    <message>
        <source>Generating Plant Efficiency</source>
        <comment>spoken</comment>
        <translation>Jeneratör verimi</translation>
    </message>
    <message>
        <source>percent</source>
        <comment>spoken</comment>
        <translation>yüzde</translation>
    </message>
    <message>
        <source>Water Turbine Efficiency</source>
        <comment>spoken</comment>
        <translation>Türbin verimi</translation>
    </message>
    <message>
        <source>Solve</source>
        <translation>Hesapla</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Temizle</translation>
    </message>
    <message>
        <source>Formula</source>
        <translation>Formül</translation>
    </message>
    <message>
        <source>Diagram</source>
        <translation>Şema</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Hakkında</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Çıkış</translation>
    </message>
</context>
<context>
    <name>LastResort</name>
    <message>
        <source>There is not enough memory to finish this action.</source>
        <translation>Bu işlemi tamamlamak için yeterli bellek yok.</translation>
    </message>
    <message>
        <source>This action could not be finished: %1</source>
        <translation>Bu işlem tamamlanamadı: %1</translation>
    </message>
    <message>
        <source>This action could not be finished because of an unexpected error.</source>
        <translation>Beklenmeyen bir hata nedeniyle bu işlem tamamlanamadı.</translation>
    </message>
</context>
<context>
    <name>frm_About</name>
    <message>
        <source>About</source>
        <translation>Torrentix Hakkında</translation>
    </message>
    <message>
        <source>Copyright</source>
        <translation>Telif hakkı</translation>
    </message>
    <message>
        <source>© 2024 Quorvane
GNU GPL 3 or later</source>
        <translation>© 2024 Quorvane
GNU GPL 3 veya üstü</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Kapat</translation>
    </message>
</context>
<context>
    <name>torrentix::Frm_Hydropower</name>
    <message>
        <source>You can&apos;t enter Zero</source>
        <translation>Sıfır girilemez</translation>
    </message>
    <message>
        <source>You can&apos;t enter Negative Values</source>
        <translation>Negatif değerler girilemez</translation>
    </message>
    <message>
        <source>Efficiency can&apos;t exceed 100%</source>
        <translation>Verim %100&apos;ü aşamaz</translation>
    </message>
    <message>
        <source>OOOps..A Mistake !</source>
        <translation>Hay aksi, bir hata!</translation>
    </message>
    <message>
        <source>A number is too large to compute. Please enter smaller values and press Solve again.</source>
        <translation>Bir sayı hesaplanamayacak kadar büyük. Lütfen daha küçük değerler girin ve yeniden Hesapla&apos;ya basın.</translation>
    </message>
    <message>
        <source>or</source>
        <translation>veya</translation>
    </message>
</context>
</TS>
