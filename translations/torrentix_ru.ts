<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru" sourcelanguage="en">
<context>
    <name>CopyableTexts</name>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Копировать</translation>
    </message>
    <message>
        <source>Select &amp;All</source>
        <translation>Выделить &amp;всё</translation>
    </message>
</context>
<context>
    <name>Frm_Diagram</name>
    <message>
        <source>Diagram for Torrentix</source>
        <translation>Схема Torrentix</translation>
    </message>
    <message>
        <source>Main page</source>
        <translation>Главное окно</translation>
    </message>
    <message>
        <source>Reservoir</source>
        <translation>Водохранилище</translation>
    </message>
    <message>
        <source>Q-Water Discharge Rate</source>
        <translation>Q – Расход воды</translation>
    </message>
    <message>
        <source>Generator</source>
        <translation>Генератор</translation>
    </message>
    <message>
        <source>Turbine</source>
        <translation>Турбина</translation>
    </message>
    <message>
        <source>Water Head</source>
        <translation>Напор</translation>
    </message>
</context>
<context>
    <name>Frm_HydroPowerFormula</name>
    <message>
        <source>Formula for Hydro Power Energy Calculation</source>
        <translation>Формула расчёта мощности ГЭС</translation>
    </message>
    <message>
        <source>Power Generation from a HydroElectric System</source>
        <translation>Мощность гидроэлектростанции</translation>
    </message>
    <message>
        <source>Power capacity of a Hydroelectric system depends on the  reservoir&apos;s Water discharge rate, effective Water Head, overall Efficiencies of the Turbine and the Generator equipment, and  the Gravitational Force</source>
        <translation>Мощность гидроэлектростанции зависит от расхода воды, полезного напора, общего КПД турбины и генератора, а также от ускорения свободного падения</translation>
    </message>
    <message>
        <source>Q * g * H *  Efficiency of Equipment</source>
        <translation>Q * g * H *  общий КПД</translation>
    </message>
    <message>
        <source> 9.81 * Effi * Q * H </source>
        <translation> 9,81 * η * Q * H </translation>
    </message>
    <message>
        <source>Energy</source>
        <translation>Мощность</translation>
    </message>
    <message>
        <source>in kilo Watts</source>
        <translation>в киловаттах</translation>
    </message>
    <message>
        <source>Water discharge rate</source>
        <translation>Расход воды</translation>
    </message>
    <message>
        <source>in Cubic meters per second</source>
        <translation>в кубических метрах в секунду</translation>
    </message>
    <message>
        <source>Gravitational Force</source>
        <translation>Ускор. своб. падения</translation>
    </message>
    <message>
        <source> = 9.81</source>
        <translation> = 9,81</translation>
    </message>
    <message>
        <source>Water Head</source>
        <translation>Напор</translation>
    </message>
    <message>
        <source>in meters</source>
        <translation>в метрах</translation>
    </message>
    <message>
        <source>Main page</source>
        <translation>Главное окно</translation>
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
        <translation>Электроэнергия ГЭС</translation>
    </message>
    <message>
        <source>Water Discharge Rate</source>
        <translation>Расход воды</translation>
    </message>
    <message>
        <source>Cu.Mts/Sec.</source>
        <translation>м³/с</translation>
    </message>
    <message>
        <source>Water Head</source>
        <translation>Напор</translation>
    </message>
    <message>
        <source>meters</source>
        <translation>м</translation>
    </message>
    <message>
        <source>Generating Plant Efficiency</source>
        <translation>КПД генератора</translation>
    </message>
    <message>
        <source>Water Turbine Efficiency</source>
        <translation>КПД турбины</translation>
    </message>
    <message>
        <source>Available Power</source>
        <translation>Располагаемая мощность</translation>
    </message>
    <message>
        <source>*  Use  Tab  key to  navigate</source>
        <translation>*  Tab — переход к следующему полю</translation>
    </message>
    <message>
        <source>Water Discharge Rate</source>
        <comment>spoken</comment>
        <translation>Расход воды</translation>
    </message>
    <message>
        <source>Cubic meters per second</source>
        <comment>spoken</comment>
        <translation>кубических метров в секунду</translation>
    </message>
    <message>
        <source>Water Head</source>
        <comment>spoken</comment>
        <translation>Напор</translation>
    </message>
    <message>
        <source>meters</source>
        <comment>spoken</comment>
        <translation>метров</translation>
    </message>
    <message>
        <source>Generating Plant Efficiency</source>
        <comment>spoken</comment>
        <translation>КПД генератора</translation>
    </message>
    <message>
        <source>percent</source>
        <comment>spoken</comment>
        <translation>процентов</translation>
    </message>
    <message>
        <source>Water Turbine Efficiency</source>
        <comment>spoken</comment>
        <translation>КПД турбины</translation>
    </message>
    <message>
        <source>Solve</source>
        <translation>Рассчитать</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Очистить</translation>
    </message>
    <message>
        <source>Formula</source>
        <translation>Формула</translation>
    </message>
    <message>
        <source>Diagram</source>
        <translation>Схема</translation>
    </message>
    <message>
        <source>About</source>
        <translation>О программе</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Выход</translation>
    </message>
</context>
<context>
    <name>LastResort</name>
    <message>
        <source>There is not enough memory to finish this action.</source>
        <translation>Недостаточно памяти для завершения этого действия.</translation>
    </message>
    <message>
        <source>This action could not be finished: %1</source>
        <translation>Не удалось завершить это действие: %1</translation>
    </message>
    <message>
        <source>This action could not be finished because of an unexpected error.</source>
        <translation>Не удалось завершить это действие из-за непредвиденной ошибки.</translation>
    </message>
</context>
<context>
    <name>frm_About</name>
    <message>
        <source>About</source>
        <translation>О программе Torrentix</translation>
    </message>
    <message>
        <source>Copyright</source>
        <translation>Copyright</translation>
    </message>
    <message>
        <source>© 2024 Quorvane
GNU GPL 3 or later</source>
        <translation>© 2024 Quorvane
GNU GPL 3 или новее</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Закрыть</translation>
    </message>
</context>
<context>
    <name>torrentix::Frm_Hydropower</name>
    <message>
        <source>You can&apos;t enter Zero</source>
        <translation>Нельзя вводить ноль</translation>
    </message>
    <message>
        <source>You can&apos;t enter Negative Values</source>
        <translation>Нельзя вводить отрицательные значения</translation>
    </message>
    <message>
        <source>Efficiency can&apos;t exceed 100%</source>
        <translation>КПД не может превышать 100 %</translation>
    </message>
    <message>
        <source>OOOps..A Mistake !</source>
        <translation>Ой, ошибка!</translation>
    </message>
    <message>
        <source>A number is too large to compute. Please enter smaller values and press Solve again.</source>
        <translation>Число слишком велико для расчёта. Введите меньшие значения и снова нажмите «Рассчитать».</translation>
    </message>
    <message>
        <source>or</source>
        <translation>или</translation>
    </message>
</context>
</TS>
