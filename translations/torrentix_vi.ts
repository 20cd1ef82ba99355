<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="vi" sourcelanguage="en">
<context>
    <name>CopyableTexts</name>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Sao chép</translation>
    </message>
    <message>
        <source>Select &amp;All</source>
        <translation>Chọn &amp;tất cả</translation>
    </message>
</context>
<context>
    <name>Frm_Diagram</name>
    <message>
        <source>Diagram for Torrentix</source>
        <translation>Sơ đồ Torrentix</translation>
    </message>
    <message>
        <source>Main page</source>
        <translation>Quay lại</translation>
    </message>
    <message>
        <source>Reservoir</source>
        <translation>Hồ chứa</translation>
    </message>
    <message>
        <source>Q-Water Discharge Rate</source>
        <translation>Q – Lưu lượng</translation>
    </message>
    <message>
        <source>Generator</source>
        <translation>Máy phát điện</translation>
    </message>
    <message>
        <source>Turbine</source>
        <translation>Tua bin</translation>
    </message>
    <message>
        <source>Water Head</source>
        <translation>Cột nước</translation>
    </message>
</context>
<context>
    <name>Frm_HydroPowerFormula</name>
    <message>
        <source>Formula for Hydro Power Energy Calculation</source>
        <translation>Công thức tính công suất thủy điện</translation>
    </message>
    <message>
        <source>Power Generation from a HydroElectric System</source>
        <translation>Công suất nhà máy thủy điện</translation>
    </message>
    <message>
        <source>Power capacity of a Hydroelectric system depends on the  reservoir&apos;s Water discharge rate, effective Water Head, overall Efficiencies of the Turbine and the Generator equipment, and  the Gravitational Force</source>
        <translation>Công suất của nhà máy thủy điện phụ thuộc vào lưu lượng nước, cột nước hữu ích, hiệu suất chung của tua bin và máy phát điện, và gia tốc trọng trường</translation>
    </message>
    <message>
        <source>Q * g * H *  Efficiency of Equipment</source>
        <translation>Q * g * H *  hiệu suất chung</translation>
    </message>
    <message>
        <source> 9.81 * Effi * Q * H </source>
        <translation> 9,81 * η * Q * H </translation>
    </message>
    <message>
        <source>Energy</source>
        <translation>Công suất</translation>
    </message>
    <message>
        <source>in kilo Watts</source>
        <translation>tính bằng kilôoát</translation>
    </message>
    <message>
        <source>Water discharge rate</source>
        <translation>Lưu lượng</translation>
    </message>
    <message>
        <source>in Cubic meters per second</source>
        <translation>tính bằng mét khối trên giây</translation>
    </message>
    <message>
        <source>Gravitational Force</source>
        <translation>Gia tốc trọng trường</translation>
    </message>
    <message>
        <source> = 9.81</source>
        <translation> = 9,81</translation>
    </message>
    <message>
        <source>Water Head</source>
        <translation>Cột nước</translation>
    </message>
    <message>
        <source>in meters</source>
        <translation>tính bằng mét</translation>
    </message>
    <message>
        <source>Main page</source>
        <translation>Quay lại</translation>
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
        <translation>Điện năng từ thủy năng</translation>
    </message>
    <message>
        <source>Water Discharge Rate</source>
        <translation>Lưu lượng</translation>
    </message>
    <message>
        <source>Cu.Mts/Sec.</source>
        <translation>m³/s</translation>
    </message>
    <message>
        <source>Water Head</source>
        <translation>Cột nước</translation>
    </message>
    <message>
        <source>meters</source>
        <translation>mét</translation>
    </message>
    <message>
        <source>Generating Plant Efficiency</source>
        <translation>Hiệu suất máy phát</translation>
    </message>
    <message>
        <source>Water Turbine Efficiency</source>
        <translation>Hiệu suất tua bin</translation>
    </message>
    <message>
        <source>Available Power</source>
        <translation>Công suất khả dụng</translation>
    </message>
    <message>
        <source>*  Use  Tab  key to  navigate</source>
        <translation>*  Dùng phím Tab để di chuyển</translation>
    </message>
    <message>
        <source>Water Discharge Rate</source>
        <comment>spoken</comment>
        <translation>Lưu lượng</translation>
    </message>
    <message>
        <source>Cubic meters per second</source>
        <comment>spoken</comment>
        <translation>mét khối trên giây</translation>
    </message>
    <message>
        <source>Water Head</source>
        <comment>spoken</comment>
        <translation>Cột nước</translation>
    </message>
    <message>
        <source>meters</source>
        <comment>spoken</comment>
        <translation>mét</translation>
    </message>
    <message>
        <source>Generating Plant Efficiency</source>
        <comment>spoken</comment>
        <translation>Hiệu suất máy phát</translation>
    </message>
    <message>
        <source>percent</source>
        <comment>spoken</comment>
        <translation>phần trăm</translation>
    </message>
    <message>
        <source>Water Turbine Efficiency</source>
        <comment>spoken</comment>
        <translation>Hiệu suất tua bin</translation>
    </message>
    <message>
        <source>Solve</source>
        <translation>Tính</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Xóa</translation>
    </message>
    <message>
        <source>Formula</source>
        <translation>Công thức</translation>
    </message>
    <message>
        <source>Diagram</source>
        <translation>Sơ đồ</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Giới thiệu</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Thoát</translation>
    </message>
</context>
<context>
    <name>LastResort</name>
    <message>
        <source>There is not enough memory to finish this action.</source>
        <translation>Không đủ bộ nhớ để hoàn tất thao tác này.</translation>
    </message>
    <message>
        <source>This action could not be finished: %1</source>
        <translation>Không thể hoàn tất thao tác này: %1</translation>
    </message>
    <message>
        <source>This action could not be finished because of an unexpected error.</source>
        <translation>Không thể hoàn tất thao tác này do lỗi không mong muốn.</translation>
    </message>
</context>
<context>
    <name>frm_About</name>
    <message>
        <source>About</source>
        <translation>Giới thiệu Torrentix</translation>
    </message>
    <message>
        <source>Copyright</source>
        <translation>Bản quyền</translation>
    </message>
    <message>
        <source>© 2024 Quorvane
GNU GPL 3 or later</source>
        <translation>© 2024 Quorvane
GNU GPL 3 trở lên</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Đóng</translation>
    </message>
</context>
<context>
    <name>torrentix::Frm_Hydropower</name>
    <message>
        <source>You can&apos;t enter Zero</source>
        <translation>Không thể nhập số không</translation>
    </message>
    <message>
        <source>You can&apos;t enter Negative Values</source>
        <translation>Không thể nhập giá trị âm</translation>
    </message>
    <message>
        <source>Efficiency can&apos;t exceed 100%</source>
        <translation>Hiệu suất không thể vượt quá 100%</translation>
    </message>
    <message>
        <source>OOOps..A Mistake !</source>
        <translation>Ối, có lỗi!</translation>
    </message>
    <message>
        <source>A number is too large to compute. Please enter smaller values and press Solve again.</source>
        <translation>Một số quá lớn để tính. Vui lòng nhập giá trị nhỏ hơn rồi nhấn Tính lại.</translation>
    </message>
    <message>
        <source>or</source>
        <translation>hoặc</translation>
    </message>
</context>
</TS>
