<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="ru">
<context>
    <name>Chart</name>
    <message>
        <source>Рисунок PNG (*.png)</source>
        <translation>PNG picture (*.png)</translation>
    </message>
    <message>
        <source>Рисунок SVG (*.svg)</source>
        <translation>SVG picture (*.svg)</translation>
    </message>
    <message>
        <source>Таблица CSV (*.csv)</source>
        <translation>CSV table (*.csv)</translation>
    </message>
    <message>
        <source>график</source>
        <translation>chart</translation>
    </message>
    <message>
        <source>Кривая</source>
        <translation>Curve</translation>
    </message>
    <message>
        <source>время (с)</source>
        <translation>time (s)</translation>
    </message>
    <message>
        <source>давление (мм.рт.ст)</source>
        <translation>pressure (mm Hg)</translation>
    </message>
    <message>
        <source>На отрезке времени от %1 до %2 с</source>
        <translation>Over the time from %1 to %2 s</translation>
    </message>
    <message>
        <source>Не удалось сохранить файл
%1
%2</source>
        <translation>The file could not be saved
%1
%2</translation>
    </message>
    <message>
        <source>Копировать изображение</source>
        <translation>Copy picture</translation>
    </message>
    <message>
        <source>Сохранить изображение…</source>
        <translation>Save picture…</translation>
    </message>
    <message>
        <source>Сохранить данные…</source>
        <translation>Save data…</translation>
    </message>
    <message>
        <source>Значения кривых…</source>
        <translation>Curve values…</translation>
    </message>
    <message>
        <source>Печать…</source>
        <translation>Print…</translation>
    </message>
    <message>
        <source>Отменить увеличение</source>
        <translation>Undo zoom</translation>
    </message>
    <message>
        <source>График</source>
        <translation>Chart</translation>
    </message>
    <message>
        <source>%1 от %2</source>
        <translation>%1 against %2</translation>
    </message>
    <message>
        <source>. Кривые: %1</source>
        <translation>. Curves: %1</translation>
    </message>
    <message>
        <source>Максимум, мм рт. ст.</source>
        <translation>Maximum, mm Hg</translation>
    </message>
    <message>
        <source>Время максимума, с</source>
        <translation>Time of maximum, s</translation>
    </message>
    <message>
        <source>Минимум, мм рт. ст.</source>
        <translation>Minimum, mm Hg</translation>
    </message>
    <message>
        <source>Время минимума, с</source>
        <translation>Time of minimum, s</translation>
    </message>
    <message>
        <source>Максимум − минимум, мм рт. ст.</source>
        <translation>Maximum − minimum, mm Hg</translation>
    </message>
    <message>
        <source>Среднее по времени, мм рт. ст.</source>
        <translation>Time average, mm Hg</translation>
    </message>
    <message>
        <source>Значения кривых</source>
        <translation>Curve values</translation>
    </message>
    <message>
        <source>Копировать таблицу</source>
        <translation>Copy table</translation>
    </message>
    <message>
        <source>t = %1 с</source>
        <translation>t = %1 s</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Использование: %1 [параметр]
%2: учебная программа для
лабораторной работы по медицинской физике, давление в аорте по модели упругого
резервуара. Без параметров открывается титульное окно программы.

Параметры:
  -h, --help      показать эту справку и выйти
  -v, --version   показать название и версию программы и выйти
  --language ru|en  язык текстов программы; без этого параметра — первый из
                  языков рабочего стола, который есть у программы, иначе русский

Принимаются и параметры Qt, например -platform offscreen, -style Fusion</source>
        <translation>Usage: %1 [option]
%2: a teaching program for
a medical-physics lab class, the aortic pressure in the elastic-reservoir
(Windkessel) model. Without options it opens the program&apos;s title window.

Options:
  -h, --help      show this help and exit
  -v, --version   show the program&apos;s name and version and exit
  --language ru|en  the language of the program&apos;s texts; without this option the
                  first of the desktop&apos;s languages that the program has, else Russian

Qt&apos;s options are accepted as well, for example -platform offscreen, -style Fusion</translation>
    </message>
    <message>
        <source>,
-display :1. Программе нужен графический сеанс; на компьютере без экрана её
можно запустить так: xvfb-run -a %1
</source>
        <translation>,
-display :1. The program needs a graphical session; on a computer without a screen
it can be started as: xvfb-run -a %1
</translation>
    </message>
    <message>
        <source>%1: %2; справка: %1 --help
</source>
        <translation>%1: %2; help: %1 --help
</translation>
    </message>
    <message>
        <source>параметру %1 нужно значение</source>
        <translation>the option %1 needs a value</translation>
    </message>
    <message>
        <source>неизвестный язык %1, есть ru и en</source>
        <translation>unknown language %1, there are ru and en</translation>
    </message>
    <message>
        <source>лишний аргумент %1</source>
        <translation>unexpected argument %1</translation>
    </message>
    <message>
        <source>неизвестный параметр %1</source>
        <translation>unknown option %1</translation>
    </message>
    <message>
        <source>%1: нет графического дисплея: дисплей не задан (переменная DISPLAY пуста); запустите программу в графическом сеансе или так: xvfb-run -a %1
</source>
        <translation>%1: no graphical display: no display is set (DISPLAY is empty); start the program in a graphical session or like this: xvfb-run -a %1
</translation>
    </message>
    <message>
        <source>%1: нет графического дисплея: дисплей «%2» не открывается; запустите программу в графическом сеансе или так: xvfb-run -a %1
</source>
        <translation>%1: no graphical display: the display «%2» does not open; start the program in a graphical session or like this: xvfb-run -a %1
</translation>
    </message>
</context>
<context>
    <name>Desktop</name>
    <message>
        <source>Файл %1 уже есть.
Заменить его?</source>
        <translation>The file %1 already exists.
Replace it?</translation>
    </message>
    <message>
        <source>Не удалось открыть страницу
%1
Скопируйте адрес и откройте его в браузере</source>
        <translation>The page could not be opened
%1
Copy the address and open it in a browser</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>Модель гемодинамики сосудистого русла</source>
        <translation>Hemodynamic model of the vascular bed</translation>
    </message>
    <message>
        <source>Цель работы:</source>
        <translation>Objectives:</translation>
    </message>
    <message>
        <source>  1. Ознакомиться с основами гемодинамики.</source>
        <translation>  1. Learn the basics of hemodynamics.</translation>
    </message>
    <message>
        <source>  2. Научиться составлять математическую модель, описывающую кровоток в эластичном сосуде.</source>
        <translation>  2. Learn to build a mathematical model describing blood flow in an elastic vessel.</translation>
    </message>
    <message>
        <source>  3. Исследовать изменение гемодинамических показателей  при изменении одного из параметров  системы и научиться сопоставлять их  с процессами в сердечно-сосудистой системе.</source>
        <translation>  3. Investigate how hemodynamic indices change when one of the system parameters is varied, and learn to relate them to processes in the cardiovascular system.</translation>
    </message>
    <message>
        <source>Авторы</source>
        <translation>Authors</translation>
    </message>
    <message>
        <source>Начать исследование!!!</source>
        <translation>Start investigating!!!</translation>
    </message>
</context>
<context>
    <name>Form14</name>
    <message>
        <source>Исследование завершено!</source>
        <translation>Study completed!</translation>
    </message>
    <message>
        <source>Поздравляем с успешным изучением теоретической части!!!</source>
        <translation>Congratulations on completing the theory part!!!</translation>
    </message>
    <message>
        <source>теперь Вы готовы к практике</source>
        <translation>now you are ready to practice</translation>
    </message>
    <message>
        <source>Приступить к изучение модели</source>
        <translation>Start investigating the model</translation>
    </message>
</context>
<context>
    <name>Form15</name>
    <message>
        <source>Исследование модели</source>
        <translation>Model investigation</translation>
    </message>
    <message>
        <source>Исследование зависимости давления в аорте от параметров системы кровообращения:</source>
        <translation>Dependence of aortic pressure on the parameters of the circulatory system:</translation>
    </message>
    <message>
        <source>В систолу:</source>
        <translation>Systole:</translation>
    </message>
    <message>
        <source>В диастолу:</source>
        <translation>Diastole:</translation>
    </message>
    <message>
        <source>Сердечный цикл:</source>
        <translation>Cardiac cycle:</translation>
    </message>
    <message>
        <source>Периферического сопротивления (Х)</source>
        <translation>Peripheral resistance (X)</translation>
    </message>
    <message>
        <source>Эластичности стенок крупных сосудов (С)</source>
        <translation>Compliance of large vessels (C)</translation>
    </message>
    <message>
        <source>Объемной скорости поступления крови в аорту (Qmax)</source>
        <translation>Volumetric inflow rate into the aorta (Qmax)</translation>
    </message>
    <message>
        <source>Эластичности стенок крупных сосудов (C)</source>
        <translation>Compliance of large vessels (C)</translation>
    </message>
</context>
<context>
    <name>Form16</name>
    <message>
        <source>Исследование зависимости давления в аорте от эластичности стенок 
                 крупных сосудов в течение сердечного цикла</source>
        <translation>Dependence of aortic pressure on the compliance of
          the large vessels over the cardiac cycle</translation>
    </message>
    <message>
        <source>Задайте значение периферического
             сопротивления</source>
        <translation>Enter the peripheral
       resistance</translation>
    </message>
    <message>
        <source>Задайте значение объемной скорости
     поступления крови в аорту</source>
        <translation>Enter the volumetric inflow
       rate into the aorta</translation>
    </message>
    <message>
        <source>Задайте несколько значений эластичности 
             стенок крупных сосудов</source>
        <translation>   Enter several values of the
compliance of the large vessels</translation>
    </message>
    <message>
        <source>График</source>
        <translation>Chart</translation>
    </message>
    <message>
        <source>С1</source>
        <translation>C1</translation>
    </message>
    <message>
        <source>С2</source>
        <translation>C2</translation>
    </message>
    <message>
        <source>С3</source>
        <translation>C3</translation>
    </message>
</context>
<context>
    <name>Form2</name>
    <message>
        <source>Исследование</source>
        <translation>Investigation</translation>
    </message>
    <message>
        <source>Мультимедийная поддержка</source>
        <translation>Multimedia support</translation>
    </message>
    <message>
        <source>Знакомство с теорией</source>
        <translation>Introduction to theory</translation>
    </message>
    <message>
        <source>Исследование модели</source>
        <translation>Model investigation</translation>
    </message>
</context>
<context>
    <name>Form20</name>
    <message>
        <source>  Исследование зависимости давления в 
   аорте от значения объемной скорости
    поступления крови в аорту в систолу</source>
        <translation>Dependence of aortic pressure
 on the volumetric inflow rate
     into the aorta in systole</translation>
    </message>
    <message>
        <source>Задайте значение эластичности 
     стенок крупных сосудов</source>
        <translation>Enter the compliance of
     the large vessels</translation>
    </message>
    <message>
        <source>Задайте значение периферического 
           сопротивления</source>
        <translation>Enter the peripheral
       resistance</translation>
    </message>
    <message>
        <source>Задайте значения объемной скорости
     поступления крови в аорту</source>
        <translation>Enter values of the volumetric
   inflow rate into the aorta</translation>
    </message>
    <message>
        <source>Время (с)</source>
        <translation>Time (s)</translation>
    </message>
    <message>
        <source>давление  (мм.рт.ст)</source>
        <translation>pressure (mm Hg)</translation>
    </message>
</context>
<context>
    <name>Form22</name>
    <message>
        <source>Исследование зависимости давления в аорте от периферического
             сопротивления на протяжении сердечного цикла</source>
        <translation>Dependence of aortic pressure on peripheral
         resistance over the cardiac cycle</translation>
    </message>
    <message>
        <source>Задайте значение эластичности
      стенок крупных сосудов</source>
        <translation>Enter the compliance of
     the large vessels</translation>
    </message>
    <message>
        <source>Задайте значение объемной скорости
     поступления крови в аорту</source>
        <translation>Enter the volumetric inflow
       rate into the aorta</translation>
    </message>
    <message>
        <source>    Задайте несколько значений
 периферического сопротивления</source>
        <translation>Enter several values of
the peripheral resistance</translation>
    </message>
    <message>
        <source>График</source>
        <translation>Chart</translation>
    </message>
</context>
<context>
    <name>Form24</name>
    <message>
        <source>     Исследование зависимости давления в аорте 
от эластичности стенок крупных сосудов в диастолу</source>
        <translation>   Dependence of aortic pressure on the
compliance of the large vessels in diastole</translation>
    </message>
    <message>
        <source>Задайте значение периферического
                сопротивления</source>
        <translation>Enter the peripheral
       resistance</translation>
    </message>
    <message>
        <source>Задайте значение систолического давления</source>
        <translation>Enter the systolic pressure</translation>
    </message>
    <message>
        <source>Задайте несколько значений эластичности стенок
                            крупных сосудов</source>
        <translation>Enter several values of the compliance
               of the large vessels</translation>
    </message>
    <message>
        <source>С1 =</source>
        <translation>C1 =</translation>
    </message>
    <message>
        <source>С2 =</source>
        <translation>C2 =</translation>
    </message>
    <message>
        <source>С3 =</source>
        <translation>C3 =</translation>
    </message>
    <message>
        <source>график</source>
        <translation>Chart</translation>
    </message>
</context>
<context>
    <name>Form26</name>
    <message>
        <source>Исследование зависимости давления в аорте от
  периферического сопротивления в систолу</source>
        <translation>Dependence of aortic pressure on
 peripheral resistance in systole</translation>
    </message>
    <message>
        <source>Задайте значение эластичности стенок
              крупных сосудов</source>
        <translation>Enter the compliance of
     the large vessels</translation>
    </message>
    <message>
        <source>Задайте значение объемной скорости
     поступления крови в аорту</source>
        <translation>Enter the volumetric inflow
       rate into the aorta</translation>
    </message>
    <message>
        <source>   Задайте несколько значений 
периферического сопротивления:</source>
        <translation> Enter several values of
the peripheral resistance:</translation>
    </message>
    <message>
        <source>График</source>
        <translation>Chart</translation>
    </message>
</context>
<context>
    <name>Form28</name>
    <message>
        <source>    Исследование зависимости давления в аорте
от эластичности стенок крупных сосудов в систолу</source>
        <translation>  Dependence of aortic pressure on the
compliance of the large vessels in systole</translation>
    </message>
    <message>
        <source>Задайте значение объемной скорости
     поступления крови в аорту</source>
        <translation>Enter the volumetric inflow
       rate into the aorta</translation>
    </message>
    <message>
        <source>Задайте значение периферического
               сопротивления</source>
        <translation>Enter the peripheral
       resistance</translation>
    </message>
    <message>
        <source>Задайте несколько значений эластичности 
             стенок крупных сосудов</source>
        <translation>   Enter several values of the
compliance of the large vessels</translation>
    </message>
    <message>
        <source>график</source>
        <translation>Chart</translation>
    </message>
    <message>
        <source>с1</source>
        <translation>C1</translation>
    </message>
    <message>
        <source>с2</source>
        <translation>C2</translation>
    </message>
    <message>
        <source>с3</source>
        <translation>C3</translation>
    </message>
</context>
<context>
    <name>Form3</name>
    <message>
        <source>Проигрыватель</source>
        <translation>Player</translation>
    </message>
    <message>
        <source>Посмотреть онлайн:</source>
        <translation>Watch online:</translation>
    </message>
    <message>
        <source>Что такое кровяное давление?</source>
        <translation>What is blood pressure?</translation>
    </message>
    <message>
        <source>Сопротивление в трубке закон Пуазейля</source>
        <translation>Tube resistance: Poiseuille&apos;s law</translation>
    </message>
    <message>
        <source>Эластичность и снижение АД?</source>
        <translation>Compliance and lower BP?</translation>
    </message>
</context>
<context>
    <name>Form30</name>
    <message>
        <source>Авторы</source>
        <translation>Authors</translation>
    </message>
    <message>
        <source>заведующий кафедрой профессор:</source>
        <translation>Head of Department, Professor:</translation>
    </message>
    <message>
        <source>ассистент кафедры:</source>
        <translation>Assistant Lecturer:</translation>
    </message>
    <message>
        <source>программист:</source>
        <translation>Programmer:</translation>
    </message>
    <message>
        <source>Предлагаемая лабораторная работа подготовлена</source>
        <translation>This laboratory work was prepared</translation>
    </message>
    <message>
        <source>на кафедре (название кафедры)</source>
        <translation>at the Department of (department name)</translation>
    </message>
    <message>
        <source>(название медицинского университета)</source>
        <translation>(name of the medical university)</translation>
    </message>
    <message>
        <source>И. И. Иванов</source>
        <translation>I. I. Ivanov</translation>
    </message>
    <message>
        <source>П. П. Петров</source>
        <translation>P. P. Petrov</translation>
    </message>
    <message>
        <source>Сидоров С. С.</source>
        <translation>Sidorov S. S.</translation>
    </message>
</context>
<context>
    <name>Form4</name>
    <message>
        <source>Краткая теория страница 1</source>
        <translation>Brief theory, page 1</translation>
    </message>
    <message>
        <source>Модель сосудистого русла</source>
        <translation>Model of the vascular bed</translation>
    </message>
    <message>
        <source>      Первой упрощенной моделью сосудистой системы, позволившей рассчитать изменение давления в точке
крупного сосуда (аорты), стала модель упругого резервуара, предложенная в 1899 году немецким физиологом.
В этой модели артериальная часть большого круга кровообращения представлена упругой камерой, а система
мелких периферических сосудов — жесткой трубкой (рис. 1).</source>
        <translation>      The first simplified model of the vascular system to allow calculation of the pressure change at
a point of a large vessel (the aorta) was the elastic-reservoir (Windkessel) model, proposed in 1899 by a
German physiologist. In this model, the arterial part of the systemic circulation is an elastic chamber and
the system of small peripheral vessels a rigid tube (Fig. 1).</translation>
    </message>
    <message>
        <source>Далее</source>
        <translation>Next</translation>
    </message>
</context>
<context>
    <name>Form5</name>
    <message>
        <source>Краткая теория страница 2</source>
        <translation>Brief theory, page 2</translation>
    </message>
    <message>
        <source>      Эта модель очень упрощенно описывает сокращение сердца и выброс ударного объема крови. Эластичностью C
в ней обладают только крупные сосуды, мелкие сосуды представлены жесткой трубкой
</source>
        <translation>      The model gives a very simplified picture of heart contraction and ejection of the stroke volume. Only
the large vessels have compliance C in it; the small vessels are a rigid tube
</translation>
    </message>
    <message>
        <source>(C=0), а гидравлическое сопротивление крупных
</source>
        <translation>(C=0), and the hydraulic resistance of large
</translation>
    </message>
    <message>
        <source>сосудов принимается минимальным</source>
        <translation>vessels is taken to be minimal</translation>
    </message>
    <message>
        <source>      В фазе изгнания (рис. 1, а) кровь из левого желудочка (1) проходит через аортальный клапан (3)
в аорту (4) и благодаря эластичности ее стенок растягивает ее. Поэтому часть крови
задерживается в аорте, а часть продолжает течь дальше, в мелкие сосуды (5).
      В диастолу (рис. 1, б) аортальный клапан (3) закрывается. Аорта за счет эластичности своих
стенок возвращается к прежним размерам и проталкивает накопившуюся в ней кровь в мелкие
сосуды (5). В это же время кровь из левого предсердия (2) поступает в левый желудочек (1)
и заполняет его.</source>
        <translation>      In the ejection phase (Fig. 1, a), blood from the left ventricle (1) passes through the aortic
valve (3) into the aorta (4) and, as its walls are elastic, distends it. Thus part of
the blood is held in the aorta, and part flows on into the small vessels (5).
      In diastole (Fig. 1, b), the aortic valve (3) closes. Owing to the elasticity of its walls,
the aorta returns to its former size and pushes the blood accumulated in it into the small
vessels (5). At the same time, blood from the left atrium (2) enters the left ventricle (1)
and fills it.</translation>
    </message>
    <message>
        <source>(R=0), тогда как сопротивление мелких сосудов
(артериол и капилляров) велико. Реальные
изменения давления и скорости выброса крови
показаны на рис. 2.</source>
        <translation>(R=0), while the resistance of small vessels
(arterioles and capillaries) is high. The
real changes in pressure and ejection rate
are shown in Fig. 2.</translation>
    </message>
    <message>
        <source>Назад</source>
        <translation>Back</translation>
    </message>
    <message>
        <source>Далее</source>
        <translation>Next</translation>
    </message>
</context>
<context>
    <name>Form6</name>
    <message>
        <source>Краткая теория страница 3</source>
        <translation>Brief theory, page 3</translation>
    </message>
    <message>
        <source>      Несмотря на упрощения, модель описывает связь между объемной скоростью кровотока Q, давлением P в аорте,
периферическим сопротивлением R мелких сосудов и эластичностью C крупных сосудов. Составим уравнения. Объем
крови V в аорте во время систолы определяется ненаполненным объемом аорты (при P = 0) и систолическим давлением:
</source>
        <translation>      Despite the simplifications, the model relates the volumetric blood flow rate Q, aortic pressure P, peripheral
resistance R of the small vessels and compliance C of the large vessels. Let us write the equations. The blood
volume V in the aorta in systole is given by the unstressed volume of the aorta (at P = 0) and the systolic pressure:
</translation>
    </message>
    <message>
        <source>Зная объем крови, можно рассчитать объемную скорость кровотока как изменение объема в единицу времени, т. е.</source>
        <translation>Knowing the blood volume, we can find the volumetric blood flow rate as the change in volume per unit time, i.e.</translation>
    </message>
    <message>
        <source>Тогда, согласно закону сохранения объема несжимаемой жидкости можно записать:</source>
        <translation>Then, by the conservation of volume of an incompressible fluid, we can write:</translation>
    </message>
    <message>
        <source>где Q(t) - объемная скорость кровотока из левого желудочка сердца; Q0(t) - объемная скорость кровотока, вытекающая из крупных сосудов.
На основании уравнения Пуазейля можно записать:</source>
        <translation>where Q(t) is the volumetric blood flow rate out of the left ventricle; Q0(t) is the volumetric flow rate out of the large vessels.
From Poiseuille&apos;s equation we can write:</translation>
    </message>
    <message>
        <source>где P - давление в крупных сосудах; Pв - венозное давление, которое можно принять равным нулю. Тогда:</source>
        <translation>where P is the pressure in large vessels; Pv is the venous pressure, which can be taken as zero. Then:</translation>
    </message>
    <message>
        <source>Подставляя (5) в (3), получим:</source>
        <translation>Substituting (5) into (3) gives:</translation>
    </message>
    <message>
        <source>Простое решение этого уравнения имеется для второй фазы сокращения сердца, т. е. когда закрывается аортальный клапан и Q(t) = 0.
Тогда уравнение (6) имеет вид:</source>
        <translation>This equation has a simple solution for the second phase of cardiac contraction, i.e. when the aortic valve closes and Q(t) = 0.
Equation (6) then becomes:</translation>
    </message>
    <message>
        <source>Назад</source>
        <translation>Back</translation>
    </message>
    <message>
        <source>Далее</source>
        <translation>Next</translation>
    </message>
</context>
<context>
    <name>Form7</name>
    <message>
        <source>Краткая теория страница 4</source>
        <translation>Brief theory, page 4</translation>
    </message>
    <message>
        <source>      Проинтегрируем уравнение (8) при условии, что в момент времени t = 0 давление равно P0 — давлению
в крупных сосудах в момент закрытия аортального клапана (оно близко к систолическому давлению):</source>
        <translation>      Let us integrate equation (8) given that at time t = 0 the pressure is equal to P0 — the pressure
in the large vessels at the moment the aortic valve closes (it is close to systolic pressure):</translation>
    </message>
    <message>
        <source>      Решение дифференциального уравнения (7), изображенное сплошной линией, описывает снижение давления
в аорте и крупных сосудах во время диастолы. Сравнение его с реальной кривой давления в аорте после закрытия
аортального клапана показывает, что они сходны. Однако в этой фазе модель не отражает дикротического подъема,
имеющегося в реальной системе, — небольшого повышения давления после окончания систолы, которое отражает
кратковременный обратный ток крови в аорте после закрытия аортального клапана.</source>
        <translation>      The solution of differential equation (7), shown by the solid line, describes the fall in pressure
in the aorta and large vessels during diastole. Comparing it with the real aortic pressure curve after closure
of the aortic valve shows that the two are similar. In this phase, however, the model does not reproduce
the dicrotic wave of the real system — a small rise in pressure after the end of systole that reflects
a brief backflow of blood in the aorta after closure of the aortic valve.</translation>
    </message>
    <message>
        <source>Назад</source>
        <translation>Back</translation>
    </message>
    <message>
        <source>Далее</source>
        <translation>Next</translation>
    </message>
</context>
<context>
    <name>Form8</name>
    <message>
        <source>Краткая теория страница 5</source>
        <translation>Brief theory, page 5</translation>
    </message>
    <message>
        <source>      Исследуя модель, можно изучить зависимость давления в крупных сосудах во время диастолы от эластичности C
и гидравлического сопротивления R сосудов (рис. 3, штриховые линии). Уравнение (6) является неоднородным линейным
дифференциальным уравнением, решение которого зависит от вида функции Q(t). Аппроксимируя Q(t) полусинусоидой
или параболической функцией, можно получить решение для первой фазы сокращения сердца.</source>
        <translation>      The model lets one study how the pressure in the large vessels in diastole depends on the compliance C and
hydraulic resistance R of the vessels (Fig. 3, dashed lines). Equation (6) is an inhomogeneous linear differential
equation whose solution depends on the form of the function Q(t). Approximating Q(t) by a half-sine wave
or a parabolic function gives a solution for the first phase of cardiac contraction.</translation>
    </message>
    <message>
        <source>Рис. 3. Изменение давления крови в аорте и крупных сосудах после закрытия аортального клапана</source>
        <translation>Fig. 3. Change in blood pressure in the aorta and large vessels after aortic valve closure</translation>
    </message>
    <message>
        <source>Назад</source>
        <translation>Back</translation>
    </message>
    <message>
        <source>Далее</source>
        <translation>Next</translation>
    </message>
</context>
<context>
    <name>Form9</name>
    <message>
        <source> Исследование зависимости давления в аорте
от периферического сопротивления в диастолу</source>
        <translation>Dependence of aortic pressure on
peripheral resistance in diastole</translation>
    </message>
    <message>
        <source>Задайте значение систолического давления:</source>
        <translation>Enter the systolic pressure:</translation>
    </message>
    <message>
        <source>Задайте значение эластичности стенок крупных сосудов:</source>
        <translation>Enter the compliance of the large vessels:</translation>
    </message>
    <message>
        <source>Задайте несколько значений периферического сопротивления:</source>
        <translation>Enter several values of the peripheral resistance:</translation>
    </message>
    <message>
        <source>Х1 = </source>
        <translation>X1 = </translation>
    </message>
    <message>
        <source>Х2 = </source>
        <translation>X2 = </translation>
    </message>
    <message>
        <source>Х3 = </source>
        <translation>X3 = </translation>
    </message>
    <message>
        <source>давление (мм.рт.ст.)</source>
        <translation>pressure (mm Hg)</translation>
    </message>
    <message>
        <source>Х1</source>
        <translation>X1</translation>
    </message>
    <message>
        <source>Х2</source>
        <translation>X2</translation>
    </message>
    <message>
        <source>Х3</source>
        <translation>X3</translation>
    </message>
</context>
<context>
    <name>Investigation</name>
    <message>
        <source>Построить график</source>
        <translation>Plot the chart</translation>
    </message>
    <message>
        <source>Исследование</source>
        <translation>Investigation</translation>
    </message>
    <message>
        <source>время (с)</source>
        <translation>time (s)</translation>
    </message>
    <message>
        <source>давление (мм.рт.ст)</source>
        <translation>pressure (mm Hg)</translation>
    </message>
    <message>
        <source>Недопустимый символ!!!</source>
        <translation>Invalid character!!!</translation>
    </message>
</context>
<context>
    <name>Pictures</name>
    <message>
        <source>Кровеносная система человека: артерии показаны красным, вены синим</source>
        <translation>The human circulatory system: arteries in red, veins in blue</translation>
    </message>
    <message>
        <source>Рис. 1. Гидродинамическая модель упругого резервуара сосудистого русла в фазах систолы и диастолы: а — первая фаза, аортальный клапан открыт; б — вторая фаза, аортальный клапан закрыт</source>
        <translation>Fig. 1. Hydrodynamic elastic-reservoir model of the vascular bed in systole and diastole: a, the first phase, aortic valve open; b, the second phase, aortic valve closed</translation>
    </message>
    <message>
        <source>Рис. 2. Изменение давления P и скорости сердечного выброса Q в течение сердечного цикла (Pа — давление в аорте; Pж — давление в желудочке)</source>
        <translation>Fig. 2. Pressure P and cardiac output rate Q over the cardiac cycle (Pa, aortic pressure; Plv, left-ventricular pressure)</translation>
    </message>
    <message>
        <source>Рис. 3. Изменение давления крови в аорте и крупных сосудах после закрытия аортального клапана</source>
        <translation>Fig. 3. Change in blood pressure in the aorta and large vessels after aortic valve closure</translation>
    </message>
    <message>
        <source>Формула (2): dV/dt = C·dP/dt</source>
        <translation>Equation (2): dV/dt = C·dP/dt</translation>
    </message>
    <message>
        <source>Формула (3): Q(t) = dV/dt + Q0(t)</source>
        <translation>Equation (3): Q(t) = dV/dt + Q0(t)</translation>
    </message>
    <message>
        <source>Формула (4): Q0(t) = (P(t) − Pв)/R</source>
        <translation>Equation (4): Q0(t) = (P(t) − Pv)/R</translation>
    </message>
    <message>
        <source>Формула (5): Q0(t) = P(t)/R</source>
        <translation>Equation (5): Q0(t) = P(t)/R</translation>
    </message>
    <message>
        <source>Формула (6): Q(t) = C·dP/dt + P(t)/R</source>
        <translation>Equation (6): Q(t) = C·dP/dt + P(t)/R</translation>
    </message>
    <message>
        <source>Формула (7): 0 = C·dP/dt + P(t)/R; −C·dP/dt = P(t)/R; формула (8): dP/P = −(1/(C·R))·dt</source>
        <translation>Equation (7): 0 = C·dP/dt + P(t)/R; −C·dP/dt = P(t)/R; equation (8): dP/P = −(1/(C·R))·dt</translation>
    </message>
    <message>
        <source>Формула (9): интеграл от P0 до P от dP/P = −(1/(C·R)) · интеграл от 0 до t от dt; ln|P| от P0 до P = −(1/(C·R))·t от 0 до t; ln(P/P0) = −t/(C·R); формула (10): P(t) = P0·e^(−t/(C·R))</source>
        <translation>Equation (9): the integral of dP/P from P0 to P = −(1/(C·R)) · the integral of dt from 0 to t; ln|P| from P0 to P = −(1/(C·R))·t from 0 to t; ln(P/P0) = −t/(C·R); equation (10): P(t) = P0·e^(−t/(C·R))</translation>
    </message>
    <message>
        <source>Логотип KhanAcademy</source>
        <translation>Khan Academy logo</translation>
    </message>
</context>
</TS>
