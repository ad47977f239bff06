<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en">
<context>
    <name>Action</name>
    <message>
        <source>Новая схема...</source>
        <translation>New Scheme...</translation>
    </message>
    <message>
        <source>Открыть...</source>
        <translation>Open...</translation>
    </message>
    <message>
        <source>Сохранить</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>Сохранить как...</source>
        <translation>Save As...</translation>
    </message>
    <message>
        <source>Вставить Избранное</source>
        <translation>Insert Favorites</translation>
    </message>
    <message>
        <source>Печать...</source>
        <translation>Print...</translation>
    </message>
    <message>
        <source>Выход</source>
        <translation>Exit</translation>
    </message>
    <message>
        <source>Выполнять/остановить</source>
        <translation>Run/Stop</translation>
    </message>
    <message>
        <source>Шаг</source>
        <translation>Step</translation>
    </message>
    <message>
        <source>Сброс значений</source>
        <translation>Reset Values</translation>
    </message>
    <message>
        <source>Точка</source>
        <translation>Item</translation>
    </message>
    <message>
        <source>Вставить</source>
        <translation>Paste</translation>
    </message>
    <message>
        <source>Удалить</source>
        <translation>Delete</translation>
    </message>
    <message>
        <source>Удалить -  (Del)</source>
        <translation>Delete (Del)</translation>
    </message>
    <message>
        <source>Создать копию</source>
        <translation>Clone</translation>
    </message>
    <message>
        <source>Разделить точку на вход и выход</source>
        <translation>Split Item into Input and Output</translation>
    </message>
    <message>
        <source>Объединить точки</source>
        <translation>Unite Items</translation>
    </message>
    <message>
        <source>Объединить вход и выход в одну точки</source>
        <translation>Unite the input and the output into one item</translation>
    </message>
    <message>
        <source>Обнулить точку</source>
        <translation>Zero Item</translation>
    </message>
    <message>
        <source>Центрировать</source>
        <translation>Center</translation>
    </message>
    <message>
        <source>Движение</source>
        <translation>Movement</translation>
    </message>
    <message>
        <source>Обучить</source>
        <translation>Teach</translation>
    </message>
    <message>
        <source>Подстроить коэффициенты связей</source>
        <translation>Adjust the links&apos; coefficients</translation>
    </message>
    <message>
        <source>Копировать</source>
        <translation>Copy</translation>
    </message>
    <message>
        <source>Вырезать</source>
        <translation>Cut</translation>
    </message>
    <message>
        <source>Матрица</source>
        <translation>Network</translation>
    </message>
    <message>
        <source>Трассировка</source>
        <translation>Traces</translation>
    </message>
    <message>
        <source>Числа</source>
        <translation>Numbers</translation>
    </message>
    <message>
        <source>Выйти без сохранения</source>
        <translation>Exit Without Saving</translation>
    </message>
    <message>
        <source>Отменить</source>
        <translation>Undo</translation>
    </message>
    <message>
        <source>Повторить</source>
        <translation>Redo</translation>
    </message>
    <message>
        <source>Петли и связи...</source>
        <translation>Loops and Links...</translation>
    </message>
    <message>
        <source>Импорт...</source>
        <translation>Import...</translation>
    </message>
    <message>
        <source>Экспорт...</source>
        <translation>Export...</translation>
    </message>
    <message>
        <source>Печать всей схемы...</source>
        <translation>Print Whole Scheme...</translation>
    </message>
    <message>
        <source>Экспорт рисунка...</source>
        <translation>Export Picture...</translation>
    </message>
    <message>
        <source>График значений</source>
        <translation>Value Chart</translation>
    </message>
    <message>
        <source>Значения точек по шагам</source>
        <translation>The items&apos; values step by step</translation>
    </message>
    <message>
        <source>Найти...</source>
        <translation>Find...</translation>
    </message>
    <message>
        <source>Показать всё</source>
        <translation>Show All</translation>
    </message>
    <message>
        <source>Руководство</source>
        <translation>Guide</translation>
    </message>
    <message>
        <source>Lisp из файла...</source>
        <translation>Lisp from a File...</translation>
    </message>
    <message>
        <source>Избранное из папки...</source>
        <translation>Favorites from a Folder...</translation>
    </message>
    <message>
        <source>Строка меню</source>
        <translation>Menu Bar</translation>
    </message>
    <message>
        <source>Строка состояния</source>
        <translation>Status Bar</translation>
    </message>
</context>
<context>
    <name>Addresses</name>
    <message>
        <source>Cannot read %1: %2</source>
        <translation>Cannot read %1: %2</translation>
    </message>
    <message>
        <source>%1 (HTTP %2)</source>
        <translation>%1 (HTTP %2)</translation>
    </message>
    <message>
        <source>Cannot open %1: %2</source>
        <translation>Cannot open %1: %2</translation>
    </message>
</context>
<context>
    <name>Dialogs</name>
    <message>
        <source>Lumeris files (*.txt)</source>
        <translation>Lumeris files (*.txt)</translation>
    </message>
    <message>
        <source>Схема.txt</source>
        <translation>Scheme.txt</translation>
    </message>
    <message>
        <source>Bitmaps (*.bmp);;gif (*.gif);;jpeg (*.jpg *.jpeg);;png (*.png)</source>
        <translation>Bitmaps (*.bmp);;gif (*.gif);;jpeg (*.jpg *.jpeg);;png (*.png)</translation>
    </message>
    <message>
        <source>Отмена</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Графы (*.graphml *.csv)</source>
        <translation>Graphs (*.graphml *.csv)</translation>
    </message>
    <message>
        <source>Экспорт рисунка</source>
        <translation>Export Picture</translation>
    </message>
    <message>
        <source>Обзор...</source>
        <translation>Browse...</translation>
    </message>
    <message>
        <source>Вся схема</source>
        <translation>The whole scheme</translation>
    </message>
    <message>
        <source>Текущий вид</source>
        <translation>The current view</translation>
    </message>
    <message>
        <source>Файл (.png, .svg, .pdf):</source>
        <translation>File (.png, .svg, .pdf):</translation>
    </message>
    <message>
        <source>Показать:</source>
        <translation>Show:</translation>
    </message>
    <message>
        <source>Масштаб PNG:</source>
        <translation>PNG scale:</translation>
    </message>
    <message>
        <source>PNG (*.png);;SVG (*.svg);;PDF (*.pdf)</source>
        <translation>PNG (*.png);;SVG (*.svg);;PDF (*.pdf)</translation>
    </message>
</context>
<context>
    <name>Exchange</name>
    <message>
        <source>файл не является правильным XML (%1)</source>
        <translation>the file is not well-formed XML (%1)</translation>
    </message>
    <message>
        <source>документ не в формате GraphML</source>
        <translation>the document is not GraphML</translation>
    </message>
    <message>
        <source>у вершины нет id</source>
        <translation>a node has no id</translation>
    </message>
    <message>
        <source>вторая вершина с id &quot;%1&quot;</source>
        <translation>a second node with the id &quot;%1&quot;</translation>
    </message>
    <message>
        <source>у ребра нет начала или конца</source>
        <translation>an edge has no source or no target</translation>
    </message>
    <message>
        <source>ребро ссылается на вершину &quot;%1&quot;, которой нет в графе</source>
        <translation>an edge names the node &quot;%1&quot;, which the graph does not hold</translation>
    </message>
    <message>
        <source>поле в кавычках не закрыто</source>
        <translation>a quoted field is never closed</translation>
    </message>
    <message>
        <source>кавычка внутри поля без кавычек или после закрывающей</source>
        <translation>a quote inside a field that is not quoted, or after a closing one</translation>
    </message>
    <message>
        <source>первая строка должна называть столбцы From и To</source>
        <translation>the first line must name the columns From and To</translation>
    </message>
    <message>
        <source>в строке нет поля From или To</source>
        <translation>the line has no From or no To field</translation>
    </message>
    <message>
        <source>вес (Weight) не число</source>
        <translation>the weight (Weight) is not a number</translation>
    </message>
    <message>
        <source>Ошибка в данных, строка %1, столбец %2: %3</source>
        <translation>Error in data, line %1, column %2: %3</translation>
    </message>
    <message>
        <source>Ошибка в данных, строка %1: %3</source>
        <translation>Error in data, line %1: %3</translation>
    </message>
    <message numerus="yes">
        <source>Числа вне допустимых пределов приведены к ним: %n</source>
        <translation>
            <numerusform>%n number outside its range was clamped</numerusform>
            <numerusform>%n numbers outside their range were clamped</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Пропущены поля, где ожидалось число: %n</source>
        <translation>
            <numerusform>%n field that is no number was ignored</numerusform>
            <numerusform>%n fields that are no numbers were ignored</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Пропущены вложенные графы: %n</source>
        <translation>
            <numerusform>%n nested graph was skipped</numerusform>
            <numerusform>%n nested graphs were skipped</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Пропущены гиперрёбра: %n</source>
        <translation>
            <numerusform>%n hyperedge was skipped</numerusform>
            <numerusform>%n hyperedges were skipped</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Files</name>
    <message>
        <source>Cannot write %1: %2</source>
        <translation>Cannot write %1: %2</translation>
    </message>
</context>
<context>
    <name>Main</name>
    <message>
        <source>Язык сменится при следующем запуске программы.</source>
        <translation>The new language takes effect the next time Lumeris starts.</translation>
    </message>
    <message>
        <source>Сохранить?</source>
        <translation>Save the scheme?</translation>
    </message>
    <message>
        <source>Lumeris exit</source>
        <translation>Lumeris exit</translation>
    </message>
</context>
<context>
    <name>Menu</name>
    <message>
        <source>Файл</source>
        <translation>File</translation>
    </message>
    <message>
        <source>Язык / Language</source>
        <translation>Язык / Language</translation>
    </message>
    <message>
        <source>Русский</source>
        <translation>Русский</translation>
    </message>
    <message>
        <source>English</source>
        <translation>English</translation>
    </message>
    <message>
        <source>О программе...</source>
        <translation>About Lumeris...</translation>
    </message>
    <message>
        <source>Правка</source>
        <translation>Edit</translation>
    </message>
    <message>
        <source>Новая точка</source>
        <translation>New Item</translation>
    </message>
    <message>
        <source>Матрица...</source>
        <translation>Network...</translation>
    </message>
    <message>
        <source>Misc</source>
        <translation>Misc</translation>
    </message>
    <message>
        <source>Paste Lisp src</source>
        <translation>Paste Lisp src</translation>
    </message>
    <message>
        <source>Выполнять</source>
        <translation>Run</translation>
    </message>
    <message>
        <source>Инвентировать связи</source>
        <translation>Reverse Links</translation>
    </message>
    <message>
        <source>Значения</source>
        <translation>Values</translation>
    </message>
    <message>
        <source>Двоичные (boolean)</source>
        <translation>Boolean</translation>
    </message>
    <message>
        <source>Нечеткие (fuzzy)</source>
        <translation>Fuzzy</translation>
    </message>
    <message>
        <source>Действительные (real)</source>
        <translation>Real</translation>
    </message>
    <message>
        <source>Рисунок...</source>
        <translation>Background Picture...</translation>
    </message>
    <message>
        <source>Линии</source>
        <translation>Links</translation>
    </message>
    <message>
        <source>Названия </source>
        <translation>Names</translation>
    </message>
    <message>
        <source>Последние файлы</source>
        <translation>Recent Files</translation>
    </message>
    <message>
        <source>Импорт</source>
        <translation>Import</translation>
    </message>
    <message>
        <source>Вид</source>
        <translation>View</translation>
    </message>
    <message>
        <source>Выполнение</source>
        <translation>Run</translation>
    </message>
    <message>
        <source>Логика новых точек</source>
        <translation>Logic of New Items</translation>
    </message>
    <message>
        <source>Справка</source>
        <translation>Help</translation>
    </message>
</context>
<context>
    <name>Network</name>
    <message>
        <source>&apos;%1&apos; is not a valid integer value</source>
        <translation>&apos;%1&apos; is not a valid integer value</translation>
    </message>
</context>
<context>
    <name>Panel</name>
    <message>
        <source>Текущее значение, меняет колесиком мыши</source>
        <translation>Current value (the mouse wheel changes it)</translation>
    </message>
    <message>
        <source>Логика объединения значений входов</source>
        <translation>How the inputs&apos; values are combined</translation>
    </message>
    <message>
        <source>Фиксированное значение</source>
        <translation>Fixed value</translation>
    </message>
    <message>
        <source>Открыть файл</source>
        <translation>Open the address</translation>
    </message>
    <message>
        <source>R</source>
        <translation>R</translation>
    </message>
    <message>
        <source>F</source>
        <translation>F</translation>
    </message>
    <message>
        <source>T</source>
        <translation>T</translation>
    </message>
    <message>
        <source>V</source>
        <translation>V</translation>
    </message>
    <message>
        <source>Двоичная логика (-1=нет,1=да)</source>
        <translation>Boolean logic (-1 = no, 1 = yes)</translation>
    </message>
    <message>
        <source>Вероятность (-1..0..+1)</source>
        <translation>Probability (-1..0..+1)</translation>
    </message>
    <message>
        <source>Не объединять значения входов</source>
        <translation>Do not combine the inputs&apos; values</translation>
    </message>
    <message>
        <source>Трассировка</source>
        <translation>Tracing</translation>
    </message>
    <message>
        <source>Точка зрения</source>
        <translation>Viewpoint</translation>
    </message>
    <message>
        <source>Создать копию (F5)</source>
        <translation>Clone (F5)</translation>
    </message>
    <message>
        <source>Разделить точку на вход и выход (F6)</source>
        <translation>Split the item into input and output (F6)</translation>
    </message>
    <message>
        <source>Pic</source>
        <translation>Pic</translation>
    </message>
    <message>
        <source>Рисунок</source>
        <translation>Picture</translation>
    </message>
    <message>
        <source>Txt</source>
        <translation>Txt</translation>
    </message>
    <message>
        <source>Комментарий</source>
        <translation>Comment</translation>
    </message>
    <message>
        <source>Преобразовать в точку</source>
        <translation>Turn into an item</translation>
    </message>
    <message>
        <source>Объединить точки входа и выхода  в одну</source>
        <translation>Unite the input and output items into one</translation>
    </message>
</context>
<context>
    <name>QtShellLauncher</name>
    <message>
        <source>the file does not exist</source>
        <translation>the file does not exist</translation>
    </message>
    <message>
        <source>no program is set to open it</source>
        <translation>no program is set to open it</translation>
    </message>
    <message>
        <source>the program that opens it failed</source>
        <translation>the program that opens it failed</translation>
    </message>
    <message>
        <source>xdg-open cannot be started: %1</source>
        <translation>xdg-open cannot be started: %1</translation>
    </message>
</context>
<context>
    <name>Reader</name>
    <message>
        <source>Файл &quot;%1&quot; в формате 1.4, чтобы сохранить старый формат выйдите без сохранения</source>
        <translation>The file &quot;%1&quot; is in the 1.4 format. To keep the old format, exit without saving.</translation>
    </message>
    <message>
        <source>Invalid data file</source>
        <translation>Invalid data file</translation>
    </message>
    <message>
        <source>Error in data, line %1</source>
        <translation>Error in data, line %1</translation>
    </message>
</context>
<context>
    <name>TfrmMain</name>
    <message>
        <source>Импорт</source>
        <translation>Import</translation>
    </message>
    <message>
        <source>Импортировать можно файлы GraphML (.graphml) и CSV (.csv).</source>
        <translation>Only GraphML (.graphml) and CSV (.csv) files can be imported.</translation>
    </message>
    <message>
        <source>Не удалось прочитать %1</source>
        <translation>Cannot read %1</translation>
    </message>
    <message>
        <source>Экспорт</source>
        <translation>Export</translation>
    </message>
    <message>
        <source>Имя файла должно оканчиваться на .graphml, .csv или .dot.</source>
        <translation>The file name must end in .graphml, .csv or .dot.</translation>
    </message>
    <message>
        <source>Не удалось записать %1</source>
        <translation>Cannot write %1</translation>
    </message>
    <message>
        <source>Схема.png</source>
        <translation>Scheme.png</translation>
    </message>
</context>
<context>
    <name>Workflow</name>
    <message>
        <source>%1 - Lumeris</source>
        <translation>%1 - Lumeris</translation>
    </message>
    <message>
        <source>New file - Lumeris</source>
        <translation>New file - Lumeris</translation>
    </message>
    <message>
        <source>Can not jump to %1</source>
        <translation>Can not jump to %1</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Error</translation>
    </message>
</context>
<context>
    <name>lumeris::FindBar</name>
    <message>
        <source>Слова из названия, текста или адреса</source>
        <translation>Words of an item&apos;s name, text or address</translation>
    </message>
    <message>
        <source>Закрыть (Esc)</source>
        <translation>Close (Esc)</translation>
    </message>
    <message>
        <source>Найти:</source>
        <translation>Find:</translation>
    </message>
    <message>
        <source>Не найдено</source>
        <translation>Not found</translation>
    </message>
    <message>
        <source>Найдено: %1</source>
        <translation>Found: %1</translation>
    </message>
    <message>
        <source>%1 из %2</source>
        <translation>%1 of %2</translation>
    </message>
</context>
<context>
    <name>lumeris::HelpWindow</name>
    <message>
        <source>Справка — Lumeris</source>
        <translation>Help — Lumeris</translation>
    </message>
</context>
<context>
    <name>lumeris::MatrixDialog</name>
    <message>
        <source>Создать сеть</source>
        <translation>Create Network</translation>
    </message>
    <message>
        <source>Случайные значения</source>
        <translation>Random values</translation>
    </message>
    <message>
        <source>Create</source>
        <translation>Create</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Строк</source>
        <translation>Rows</translation>
    </message>
    <message>
        <source>шаг</source>
        <translation>step</translation>
    </message>
    <message>
        <source>Столбцов</source>
        <translation>Columns</translation>
    </message>
</context>
<context>
    <name>lumeris::StatusLine</name>
    <message>
        <source>Новая схема</source>
        <translation>New scheme</translation>
    </message>
    <message>
        <source>Выполняется</source>
        <translation>Running</translation>
    </message>
    <message>
        <source>Остановлена</source>
        <translation>Stopped</translation>
    </message>
    <message>
        <source>Шагов: %1</source>
        <translation>Steps: %1</translation>
    </message>
    <message>
        <source>Точек: %1  Связей: %2</source>
        <translation>Items: %1  Links: %2</translation>
    </message>
    <message>
        <source>Масштаб: %1%</source>
        <translation>Zoom: %1%</translation>
    </message>
    <message>
        <source>%1 = %2</source>
        <translation>%1 = %2</translation>
    </message>
</context>
<context>
    <name>lumeris::TfrmAbout</name>
    <message>
        <source>About Lumeris</source>
        <translation>About Lumeris</translation>
    </message>
    <message>
        <source>блокнот для просмотра, редактирования и проверки схем</source>
        <translation>a notebook for viewing, editing and checking schemes</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>lumeris::TfrmChart</name>
    <message>
        <source>График значений</source>
        <translation>Value Chart</translation>
    </message>
    <message>
        <source>Шаг</source>
        <translation>Step</translation>
    </message>
    <message>
        <source>Значение</source>
        <translation>Value</translation>
    </message>
    <message>
        <source>Последние шаги</source>
        <translation>Last steps</translation>
    </message>
    <message>
        <source>Все шаги</source>
        <translation>All steps</translation>
    </message>
    <message>
        <source>&amp;CSV...</source>
        <translation>&amp;CSV...</translation>
    </message>
    <message>
        <source>Сохранить показанные значения в CSV</source>
        <translation>Save the values shown as CSV</translation>
    </message>
    <message>
        <source>&amp;PNG...</source>
        <translation>&amp;PNG...</translation>
    </message>
    <message>
        <source>Сохранить график рисунком PNG</source>
        <translation>Save the chart as a PNG picture</translation>
    </message>
    <message>
        <source>%1: шаг %2, значение %3</source>
        <translation>%1: step %2, value %3</translation>
    </message>
    <message>
        <source>Не удалось записать %1</source>
        <translation>Cannot write %1</translation>
    </message>
    <message>
        <source>Сохранить значения</source>
        <translation>Save the Values</translation>
    </message>
    <message>
        <source>CSV (*.csv)</source>
        <translation>CSV (*.csv)</translation>
    </message>
    <message>
        <source>Сохранить график</source>
        <translation>Save the Chart</translation>
    </message>
    <message>
        <source>PNG (*.png)</source>
        <translation>PNG (*.png)</translation>
    </message>
</context>
<context>
    <name>lumeris::TfrmLoops</name>
    <message>
        <source>Петли и связи</source>
        <translation>Loops and Links</translation>
    </message>
    <message>
        <source>Отмена</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Обновить</source>
        <translation>Refresh</translation>
    </message>
    <message>
        <source>Знак</source>
        <translation>Sign</translation>
    </message>
    <message>
        <source>Длина</source>
        <translation>Length</translation>
    </message>
    <message>
        <source>Точки петли</source>
        <translation>Items in the loop</translation>
    </message>
    <message>
        <source>Причины</source>
        <translation>Causes</translation>
    </message>
    <message>
        <source>Связей</source>
        <translation>Links</translation>
    </message>
    <message>
        <source>Следствия</source>
        <translation>Effects</translation>
    </message>
    <message>
        <source>Петли через «%1»</source>
        <translation>Loops through “%1”</translation>
    </message>
    <message>
        <source>Все петли схемы</source>
        <translation>All loops of the scheme</translation>
    </message>
    <message>
        <source>Поиск петель...</source>
        <translation>Searching for loops...</translation>
    </message>
    <message>
        <source>Поиск прерван, найдено петель: %1</source>
        <translation>Search stopped; loops found: %1</translation>
    </message>
    <message>
        <source>Список неполон: первые %1 петель</source>
        <translation>The list is incomplete: the first %1 loops</translation>
    </message>
    <message>
        <source>Петель: %1</source>
        <translation>Loops: %1</translation>
    </message>
    <message>
        <source>усиливающая</source>
        <translation>reinforcing</translation>
    </message>
    <message>
        <source>уравновешивающая</source>
        <translation>balancing</translation>
    </message>
    <message>
        <source>нулевая</source>
        <translation>zero</translation>
    </message>
</context>
<context>
    <name>lumeris::TfrmMain</name>
    <message>
        <source>Не удалось прочитать файл %1</source>
        <translation>Cannot read the file %1</translation>
    </message>
    <message>
        <source>Рисунок сохраняется в файл PNG, SVG или PDF: %1</source>
        <translation>A picture is saved as a PNG, SVG or PDF file: %1</translation>
    </message>
    <message>
        <source>Не удалось напечатать схему</source>
        <translation>The scheme could not be printed</translation>
    </message>
    <message>
        <source>Показать всю схему: %1</source>
        <translation>Show the whole scheme: %1</translation>
    </message>
    <message>
        <source>(пусто)</source>
        <translation>(empty)</translation>
    </message>
</context>
<context>
    <name>lumeris::TfrmProp</name>
    <message>
        <source>Следить за значением на графике</source>
        <translation>Watch the value on the chart</translation>
    </message>
</context>
<context>
    <name>lumeris::TfrmProp2</name>
    <message>
        <source>Text</source>
        <translation>Text</translation>
    </message>
</context>
</TS>
