<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ar">
<context>
    <name>Catalogue</name>
    <message>
        <source>there is no such file; the program reads its drill items from a file named &quot;index.txt&quot; in the folder it is started in</source>
        <translation>لا يوجد ملف بهذا الاسم؛ يقرأ البرنامج تمارينه من ملف اسمه «index.txt» في المجلد الذي يبدأ تشغيله منه</translation>
    </message>
    <message>
        <source>the file cannot be opened</source>
        <translation>لا يمكن فتح الملف</translation>
    </message>
    <message>
        <source>this is a folder, not a text file</source>
        <translation>هذا مجلد وليس ملفًا نصيًا</translation>
    </message>
    <message>
        <source>this is not an ordinary file</source>
        <translation>هذا ليس ملفًا عاديًا</translation>
    </message>
    <message>
        <source>the file cannot be examined</source>
        <translation>لا يمكن فحص الملف</translation>
    </message>
    <message>
        <source>the file is far larger than a catalogue of at most 101 items can be (over 16 MiB); it is not a catalogue</source>
        <translation>الملف أكبر بكثير مما يمكن أن يكون عليه فهرس يضم ١٠١ تمرين على الأكثر (أكثر من ١٦ ميغابايت)؛ فهو ليس فهرسًا</translation>
    </message>
    <message>
        <source>the file grew past the size of any catalogue while it was being read</source>
        <translation>زاد حجم الملف أثناء قراءته على حجم أي فهرس</translation>
    </message>
    <message>
        <source>the file cannot be read to its end</source>
        <translation>لا يمكن قراءة الملف حتى نهايته</translation>
    </message>
    <message>
        <source>the quote that opens this field is never closed, so the rest of the file would become one text</source>
        <translation>علامة التنصيص التي تفتح هذا الحقل لا تُغلق أبدًا، فيصبح باقي الملف كله نصًا واحدًا</translation>
    </message>
    <message>
        <source>text follows the closing quote of a field; put the whole text inside the quotes or add a comma</source>
        <translation>يوجد نص بعد علامة التنصيص التي تغلق أحد الحقول؛ ضع النص كله بين علامتي التنصيص أو أضف فاصلة</translation>
    </message>
    <message>
        <source>the file ends in the middle of the record that starts on this line: the operator sign is missing (a record is four fields: item text, first digit count, second digit count, operator sign)</source>
        <translation>ينتهي الملف في منتصف السجل الذي يبدأ في هذا السطر: علامة العملية ناقصة (السجل أربعة حقول: نص التمرين، وعدد أرقام العدد الأول، وعدد أرقام العدد الثاني، وعلامة العملية)</translation>
    </message>
    <message>
        <source>the file ends in the middle of the record that starts on this line: the second digit count and the operator sign are missing (a record is four fields: item text, first digit count, second digit count, operator sign)</source>
        <translation>ينتهي الملف في منتصف السجل الذي يبدأ في هذا السطر: عدد أرقام العدد الثاني وعلامة العملية ناقصان (السجل أربعة حقول: نص التمرين، وعدد أرقام العدد الأول، وعدد أرقام العدد الثاني، وعلامة العملية)</translation>
    </message>
    <message>
        <source>the file ends in the middle of the record that starts on this line: the first digit count, the second digit count and the operator sign are missing (a record is four fields: item text, first digit count, second digit count, operator sign)</source>
        <translation>ينتهي الملف في منتصف السجل الذي يبدأ في هذا السطر: عدد أرقام العدد الأول وعدد أرقام العدد الثاني وعلامة العملية ناقصة (السجل أربعة حقول: نص التمرين، وعدد أرقام العدد الأول، وعدد أرقام العدد الثاني، وعلامة العملية)</translation>
    </message>
    <message>
        <source>the file holds NUL bytes between its letters, so it looks like it was saved as UTF-16 (&quot;Unicode&quot;) without a byte-order mark; save it as UTF-8 instead, for example in Notepad with &quot;Save as&quot; and the encoding &quot;UTF-8&quot;</source>
        <translation>يحتوي الملف على بايتات NUL بين حروفه، فيبدو أنه حُفظ بترميز UTF-16 («Unicode») دون علامة ترتيب البايتات؛ احفظه بترميز UTF-8 بدلًا من ذلك، مثلًا في المفكرة (Notepad) باختيار «حفظ باسم» والترميز «UTF-8»</translation>
    </message>
    <message>
        <source>the file holds a NUL byte, so it is not a plain text file</source>
        <translation>يحتوي الملف على بايت NUL، فهو ليس ملفًا نصيًا عاديًا</translation>
    </message>
    <message>
        <source>this is record number 102, but a catalogue holds at most 101 records</source>
        <translation>هذا هو السجل رقم ١٠٢، لكن الفهرس يضم ١٠١ سجل على الأكثر</translation>
    </message>
    <message>
        <source>the file is saved as UTF-16 (&quot;Unicode&quot;) but ends in the middle of a character, so it was probably cut off while it was copied or saved; save it again</source>
        <translation>الملف محفوظ بترميز UTF-16 («Unicode») لكنه ينتهي في منتصف حرف، فربما قُطع أثناء نسخه أو حفظه؛ احفظه مرة أخرى</translation>
    </message>
    <message>
        <source>the character here is broken: the file is saved as UTF-16 (&quot;Unicode&quot;), which stores some characters (such as emoji) as two halves, and here a first half has no second half; delete the character and type it again</source>
        <translation>الحرف هنا تالف: الملف محفوظ بترميز UTF-16 («Unicode») الذي يحفظ بعض الحروف (مثل الرموز التعبيرية) في نصفين، وهنا نصف أول بلا نصف ثانٍ؛ احذف الحرف واكتبه مرة أخرى</translation>
    </message>
    <message>
        <source>the character here is broken: the file is saved as UTF-16 (&quot;Unicode&quot;), which stores some characters (such as emoji) as two halves, and here a second half has no first half; delete the character and type it again</source>
        <translation>الحرف هنا تالف: الملف محفوظ بترميز UTF-16 («Unicode») الذي يحفظ بعض الحروف (مثل الرموز التعبيرية) في نصفين، وهنا نصف ثانٍ بلا نصف أول؛ احذف الحرف واكتبه مرة أخرى</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>The test catalogue cannot be used.

File: %1
Line %2, column %3: %4.</source>
        <translation>لا يمكن استخدام فهرس التمارين.

الملف: %1
السطر %2، العمود %3: %4.</translation>
    </message>
    <message>
        <source>The test catalogue cannot be used.

File: %1
Line %2: %3.</source>
        <translation>لا يمكن استخدام فهرس التمارين.

الملف: %1
السطر %2: %3.</translation>
    </message>
    <message>
        <source>The test catalogue cannot be used.

File: %1
%2.</source>
        <translation>لا يمكن استخدام فهرس التمارين.

الملف: %1
%2.</translation>
    </message>
    <message>
        <source>this line separates its fields with commas, but the lines above it use semicolons; separate the fields the same way on every line</source>
        <translation>يفصل هذا السطر حقوله بفواصل، لكن الأسطر التي فوقه تستخدم الفواصل المنقوطة؛ افصل الحقول بالطريقة نفسها في كل سطر</translation>
    </message>
    <message>
        <source>this line separates its fields with semicolons, but the lines above it use commas; separate the fields the same way on every line</source>
        <translation>يفصل هذا السطر حقوله بفواصل منقوطة، لكن الأسطر التي فوقه تستخدم الفواصل؛ افصل الحقول بالطريقة نفسها في كل سطر</translation>
    </message>
</context>
<context>
    <name>CatalogueCheck</name>
    <message>
        <source>Note: its operator is +, so it asks addition questions, though it is listed under &quot;%1&quot;.</source>
        <translation>ملاحظة: علامة عمليته +، فأسئلته مسائل جمع، مع أنه مدرج تحت «%1».</translation>
    </message>
    <message>
        <source>Note: its operator is -, so it asks subtraction questions, though it is listed under &quot;%1&quot;.</source>
        <translation>ملاحظة: علامة عمليته -، فأسئلته مسائل طرح، مع أنه مدرج تحت «%1».</translation>
    </message>
    <message>
        <source>Note: its operator is *, so it asks multiplication questions, though it is listed under &quot;%1&quot;.</source>
        <translation>ملاحظة: علامة عمليته *، فأسئلته مسائل ضرب، مع أنه مدرج تحت «%1».</translation>
    </message>
    <message>
        <source>Note: its operator is /, so it asks division questions, though it is listed under &quot;%1&quot;.</source>
        <translation>ملاحظة: علامة عمليته /، فأسئلته مسائل قسمة، مع أنه مدرج تحت «%1».</translation>
    </message>
    <message>
        <source>Row %1, line %2: empty.</source>
        <translation>الموضع %1، السطر %2: فارغ.</translation>
    </message>
    <message>
        <source>Row %1: empty.</source>
        <translation>الموضع %1: فارغ.</translation>
    </message>
    <message>
        <source>Row %1, line %2: &quot;%3&quot;. %4</source>
        <translation>الموضع %1، السطر %2: «%3». %4</translation>
    </message>
    <message>
        <source>Row %1, line %2: &quot;%3&quot;. It can be started, for example %4.</source>
        <translation>الموضع %1، السطر %2: «%3». يمكن بدؤه، مثلًا %4.</translation>
    </message>
    <message>
        <source>Hint: line %1 seems to separate its fields with semicolons, but fields are separated by commas.</source>
        <translation>تلميح: يبدو أن السطر %1 يفصل حقوله بفواصل منقوطة، لكن الحقول تُفصل بفواصل.</translation>
    </message>
    <message>
        <source>The file lists no items.</source>
        <translation>لا يحتوي الملف على أي تمرين.</translation>
    </message>
    <message>
        <source>1 item: it can be started.</source>
        <translation>تمرين واحد: يمكن بدؤه.</translation>
    </message>
    <message>
        <source>1 item: it cannot be started.</source>
        <translation>تمرين واحد: لا يمكن بدؤه.</translation>
    </message>
    <message numerus="yes">
        <source>%n items: %1 can be started, %2 cannot.</source>
        <translation>
            <numerusform>عدد التمارين %n: يمكن بدء %1، ولا يمكن بدء %2.</numerusform>
            <numerusform>عدد التمارين %n: يمكن بدء %1، ولا يمكن بدء %2.</numerusform>
            <numerusform>عدد التمارين %n: يمكن بدء %1، ولا يمكن بدء %2.</numerusform>
            <numerusform>%n تمارين: يمكن بدء %1، ولا يمكن بدء %2.</numerusform>
            <numerusform>%n تمرينًا: يمكن بدء %1، ولا يمكن بدء %2.</numerusform>
            <numerusform>%n تمرين: يمكن بدء %1، ولا يمكن بدء %2.</numerusform>
        </translation>
    </message>
    <message>
        <source>Catalogue: %1</source>
        <translation>الفهرس: %1</translation>
    </message>
    <message>
        <source>Not listed</source>
        <translation>غير مدرج في القائمة</translation>
    </message>
    <message>
        <source>Record %1, line %2: &quot;%3&quot; is stored but never shown in the list.</source>
        <translation>السجل %1، السطر %2: «%3» محفوظ في الفهرس لكنه لا يظهر في القائمة أبدًا.</translation>
    </message>
    <message>
        <source>The fields are separated by semicolons, as spreadsheets save them, and were read that way.</source>
        <translation>الحقول مفصولة بفواصل منقوطة، كما تحفظها برامج الجداول، وقُرئت على هذا الأساس.</translation>
    </message>
    <message>
        <source>Rows %1–%2: empty.</source>
        <translation>المواضع %1–%2: فارغة.</translation>
    </message>
    <message>
        <source>Addition</source>
        <translation>الجمع</translation>
    </message>
    <message>
        <source>Subtraction</source>
        <translation>الطرح</translation>
    </message>
    <message>
        <source>Multiplication</source>
        <translation>الضرب</translation>
    </message>
    <message>
        <source>Division</source>
        <translation>القسمة</translation>
    </message>
</context>
<context>
    <name>ClassResults</name>
    <message>
        <source>Pupil</source>
        <translation>التلميذ</translation>
    </message>
    <message>
        <source>Answers</source>
        <translation>الإجابات</translation>
    </message>
    <message>
        <source>Share correct</source>
        <translation>نسبة الصحيح</translation>
    </message>
    <message>
        <source>Median seconds</source>
        <translation>الوسيط (ث)</translation>
    </message>
    <message>
        <source>Last day active</source>
        <translation>آخر يوم نشاط</translation>
    </message>
    <message>
        <source>Change in share</source>
        <translation>التغير في النسبة</translation>
    </message>
    <message>
        <source>Change in speed</source>
        <translation>التغير في السرعة</translation>
    </message>
    <message>
        <source>Against the period of the same length just before</source>
        <translation>مقارنةً بالفترة السابقة مباشرةً بالطول نفسه</translation>
    </message>
    <message>
        <source>Whole class</source>
        <translation>الصف كله</translation>
    </message>
    <message>
        <source>%1%</source>
        <translation>%1%</translation>
    </message>
    <message numerus="yes">
        <source>▲ %1 points</source>
        <translation>
            <numerusform>▲ %1 نقطة</numerusform>
            <numerusform>▲ %1 نقطة</numerusform>
            <numerusform>▲ %1 نقطتان</numerusform>
            <numerusform>▲ %1 نقاط</numerusform>
            <numerusform>▲ %1 نقطة</numerusform>
            <numerusform>▲ %1 نقطة</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>▼ %1 points</source>
        <translation>
            <numerusform>▼ %1 نقطة</numerusform>
            <numerusform>▼ %1 نقطة</numerusform>
            <numerusform>▼ %1 نقطتان</numerusform>
            <numerusform>▼ %1 نقاط</numerusform>
            <numerusform>▼ %1 نقطة</numerusform>
            <numerusform>▼ %1 نقطة</numerusform>
        </translation>
    </message>
    <message>
        <source>▼ %1 s faster</source>
        <translation>▼ أسرع بـ %1 ث</translation>
    </message>
    <message>
        <source>▲ %1 s slower</source>
        <translation>▲ أبطأ بـ %1 ث</translation>
    </message>
    <message>
        <source>= the same</source>
        <translation>= كما هو</translation>
    </message>
    <message>
        <source>Calquin class results</source>
        <translation>نتائج الصف في Calquin</translation>
    </message>
    <message>
        <source>Last four weeks</source>
        <translation>آخر أربعة أسابيع</translation>
    </message>
    <message>
        <source>This week</source>
        <translation>هذا الأسبوع</translation>
    </message>
    <message>
        <source>Today</source>
        <translation>اليوم</translation>
    </message>
    <message>
        <source>Everything</source>
        <translation>الكل</translation>
    </message>
    <message>
        <source>&amp;Period:</source>
        <translation>ال&amp;فترة:</translation>
    </message>
    <message>
        <source>&amp;Refresh</source>
        <translation>&amp;تحديث</translation>
    </message>
    <message>
        <source>&amp;Fluent within:</source>
        <translation>&amp;طلاقة خلال:</translation>
    </message>
    <message>
        <source> s</source>
        <translation> ث</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>إلغاء</translation>
    </message>
    <message>
        <source>Facts: %1</source>
        <translation>العمليات: %1</translation>
    </message>
    <message>
        <source>Rows: the first number. Columns: the second number.</source>
        <translation>الصفوف: العدد الأول. الأعمدة: العدد الثاني.</translation>
    </message>
    <message>
        <source>Rows: the number taken away. Columns: the result.</source>
        <translation>الصفوف: العدد المطروح. الأعمدة: الناتج.</translation>
    </message>
    <message>
        <source>Rows: the number divided by. Columns: the result.</source>
        <translation>الصفوف: المقسوم عليه. الأعمدة: الناتج.</translation>
    </message>
    <message numerus="yes">
        <source>%n results files read.</source>
        <translation>
            <numerusform>ملفات النتائج المقروءة: %n.</numerusform>
            <numerusform>ملفات النتائج المقروءة: %n.</numerusform>
            <numerusform>ملفات النتائج المقروءة: %n.</numerusform>
            <numerusform>ملفات النتائج المقروءة: %n.</numerusform>
            <numerusform>ملفات النتائج المقروءة: %n.</numerusform>
            <numerusform>ملفات النتائج المقروءة: %n.</numerusform>
        </translation>
    </message>
    <message>
        <source>The results folder %1 cannot be read: %2.</source>
        <translation>تعذرت قراءة مجلد النتائج %1: %2.</translation>
    </message>
    <message>
        <source>Reading was cancelled; the figures shown are the earlier ones.</source>
        <translation>أُلغيت القراءة؛ الأرقام المعروضة هي السابقة.</translation>
    </message>
    <message>
        <source>fluent</source>
        <translation>بطلاقة</translation>
    </message>
    <message>
        <source>accurate but slow</source>
        <translation>صحيح لكن بطيء</translation>
    </message>
    <message>
        <source>not yet</source>
        <translation>ليس بعد</translation>
    </message>
    <message>
        <source>not asked</source>
        <translation>لم يُسأل</translation>
    </message>
    <message>
        <source>%1: %2, %3 correct, median %4 seconds, %5</source>
        <translation>%1: %2، %3 صحيحة، الوسيط %4 ثانية، %5</translation>
    </message>
    <message numerus="yes">
        <source>%n answers</source>
        <translation>
            <numerusform>%n إجابة</numerusform>
            <numerusform>%n إجابة</numerusform>
            <numerusform>%n إجابتان</numerusform>
            <numerusform>%n إجابات</numerusform>
            <numerusform>%n إجابةً</numerusform>
            <numerusform>%n إجابة</numerusform>
        </translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Shows how the class did in the results folder FOLDER (default: the one set in calquin.conf), pupil by pupil and fact by fact. It only reads the folder.</source>
        <translation>يعرض نتائج الصف في مجلد النتائج مجلد (الافتراضي: المحدد في calquin.conf)، تلميذًا تلميذًا وعمليةً عملية. وهو يقرأ المجلد فقط.</translation>
    </message>
    <message>
        <source>The results folder to show.</source>
        <translation>مجلد النتائج المراد عرضه.</translation>
    </message>
    <message>
        <source>Only one folder can be shown.</source>
        <translation>لا يمكن عرض أكثر من مجلد واحد.</translation>
    </message>
    <message>
        <source>Choose the results folder</source>
        <translation>اختر مجلد النتائج</translation>
    </message>
    <message>
        <source>calquin: report/fluent-seconds in %1 must be a number of seconds from 0.5 to 60, not &quot;%2&quot;; 3 is used.</source>
        <translation>calquin: يجب أن تكون قيمة report/fluent-seconds في %1 عددًا من الثواني بين 0.5 و60، لا &quot;%2&quot;؛ تُستخدم 3.</translation>
    </message>
    <message>
        <source>Items</source>
        <translation>التمارين</translation>
    </message>
    <message>
        <source>Item</source>
        <translation>التمرين</translation>
    </message>
    <message>
        <source>Chosen dates</source>
        <translation>تواريخ مختارة</translation>
    </message>
    <message>
        <source>Fr&amp;om:</source>
        <translation>&amp;من:</translation>
    </message>
    <message>
        <source>&amp;To:</source>
        <translation>&amp;إلى:</translation>
    </message>
    <message>
        <source>Most missed</source>
        <translation>الأكثر خطأً</translation>
    </message>
    <message>
        <source>%1 (%2 wrong)</source>
        <translation>%1 (%2 خطأ)</translation>
    </message>
    <message>
        <source>, </source>
        <translation>، </translation>
    </message>
    <message>
        <source>Calquin class results: %1</source>
        <translation>نتائج الصف في Calquin: %1</translation>
    </message>
    <message>
        <source>Page %1</source>
        <translation>الصفحة %1</translation>
    </message>
    <message>
        <source>Weeks</source>
        <translation>الأسابيع</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;ملف</translation>
    </message>
    <message>
        <source>Save as &amp;PDF…</source>
        <translation>حفظ بصيغة &amp;PDF…</translation>
    </message>
    <message>
        <source>P&amp;rint…</source>
        <translation>&amp;طباعة…</translation>
    </message>
    <message>
        <source>&amp;Export table as CSV…</source>
        <translation>&amp;تصدير الجدول بصيغة CSV…</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;خروج</translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation>ملفات PDF (*.pdf)</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>ملفات CSV (*.csv)</translation>
    </message>
    <message>
        <source>Saved %1.</source>
        <translation>تم حفظ %1.</translation>
    </message>
    <message>
        <source>%1 cannot be written: %2.</source>
        <translation>تعذرت كتابة %1: %2.</translation>
    </message>
    <message>
        <source>No program on this computer opens %1 to print it.</source>
        <translation>لا يوجد على هذا الحاسوب برنامج يفتح %1 لطباعته.</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <translation>من %1 إلى %2</translation>
    </message>
    <message>
        <source>class-results</source>
        <translation>نتائج-الصف</translation>
    </message>
    <message>
        <source>Week</source>
        <translation>الأسبوع</translation>
    </message>
    <message>
        <source>Week %1, %2</source>
        <translation>الأسبوع %1 من %2</translation>
    </message>
    <message>
        <source>%1: %2, %3 correct, median %4 seconds</source>
        <translation>%1: %2، %3 صحيحة، الوسيط %4 ثانية</translation>
    </message>
    <message>
        <source>No answers in these dates.</source>
        <translation>لا إجابات في هذه التواريخ.</translation>
    </message>
    <message>
        <source>%1 s</source>
        <translation>%1 ث</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Exit status:
  0  the window was closed, or --check found every listed item can be started
  1  the catalogue cannot be read
  2  the command line is wrong
  3  --check found a listed item that cannot be started
</source>
        <translation>حالة الخروج:
  ٠  أُغلقت النافذة، أو وجد ⁦--check⁩ أن كل تمرين في القائمة يمكن بدؤه
  ١  لا يمكن قراءة الفهرس
  ٢  سطر الأوامر غير صحيح
  ٣  وجد ⁦--check⁩ في القائمة تمرينًا لا يمكن بدؤه
</translation>
    </message>
    <message>
        <source>Displays help on commandline options.</source>
        <translation>يعرض المساعدة حول خيارات سطر الأوامر.</translation>
    </message>
    <message>
        <source>Displays version information.</source>
        <translation>يعرض معلومات الإصدار.</translation>
    </message>
    <message>
        <source>Check the test catalogue FILE (default: index.txt in the working directory) and report, row by row, which items can be started, without opening the window.</source>
        <translation>يفحص فهرس التمارين ملف (الافتراضي: index.txt في مجلد العمل) ويبيّن، موضعًا موضعًا، أي التمارين يمكن بدؤها، دون فتح النافذة.</translation>
    </message>
    <message>
        <source>An arithmetic drill for pupils. Without options it opens the drill window on index.txt in the working directory.</source>
        <translation>برنامج لتدريب التلاميذ على الحساب. دون خيارات يفتح نافذة التمارين على index.txt في مجلد العمل.</translation>
    </message>
    <message>
        <source>With --check: the catalogue to check.</source>
        <translation>مع ⁦--check⁩: الفهرس المراد فحصه.</translation>
    </message>
    <message>
        <source>--check takes at most one file.</source>
        <translation>يقبل ⁦--check⁩ ملفًا واحدًا على الأكثر.</translation>
    </message>
    <message>
        <source>A file can only be given with --check.</source>
        <translation>لا يمكن تحديد ملف إلا مع ⁦--check⁩.</translation>
    </message>
    <message>
        <source>Open the teacher&apos;s window on the results folder FOLDER (default: the one set in calquin.conf).</source>
        <translation>يفتح نافذة المعلم على مجلد النتائج مجلد (الافتراضي: المحدد في calquin.conf).</translation>
    </message>
    <message>
        <source>--results-window takes at most one folder and no other mode.</source>
        <translation>يقبل --results-window مجلدًا واحدًا على الأكثر ولا يُجمع مع وضع آخر.</translation>
    </message>
    <message>
        <source>calquin: cannot start the teacher&apos;s window %1: %2
</source>
        <translation>calquin: تعذر تشغيل نافذة المعلم %1: %2
</translation>
    </message>
    <message>
        <source>FILE</source>
        <translation>ملف</translation>
    </message>
    <message>
        <source>--prune-results and --forget-pupil take at most one folder and no other mode.</source>
        <translation>يقبل --prune-results و--forget-pupil مجلدًا واحدًا على الأكثر ولا وضعًا آخر.</translation>
    </message>
    <message>
        <source>FOLDER</source>
        <translation>مجلد</translation>
    </message>
</context>
<context>
    <name>Erasing</name>
    <message>
        <source>Remove the answers older than results/keep-days in calquin.conf from every results file in FOLDER (default: the one set in calquin.conf).</source>
        <translation>حذف الإجابات الأقدم من results/keep-days في calquin.conf من كل ملف نتائج في المجلد FOLDER (الافتراضي: المجلد المحدد في calquin.conf).</translation>
    </message>
    <message>
        <source>Remove every answer of the pupil NAME from the results folder, and say how many.</source>
        <translation>حذف كل إجابات التلميذ NAME من مجلد النتائج، وذكر عددها.</translation>
    </message>
    <message>
        <source>  5  --prune-results or --forget-pupil could not change every results file
With --prune-results and --forget-pupil, 0 means every file was changed, 4 that the folder cannot be read, and 2 also that results/keep-days is not a number of days.
</source>
        <translation>  ٥  تعذّر على --prune-results أو --forget-pupil تغيير كل ملفات النتائج
مع --prune-results و--forget-pupil يعني ٠ أن كل ملف قد غُيّر، و٤ أن المجلد لا يمكن قراءته، و٢ أيضًا أن results/keep-days ليس عددًا من الأيام.
</translation>
    </message>
    <message>
        <source>calquin: %1 needs a folder, and no results folder is set in calquin.conf.
</source>
        <translation>calquin: يحتاج %1 إلى مجلد، ولم يُحدَّد مجلد للنتائج في calquin.conf.
</translation>
    </message>
    <message>
        <source>calquin: --prune-results needs results/keep-days in calquin.conf: how many days answers are kept, such as 365.
</source>
        <translation>calquin: يحتاج --prune-results إلى results/keep-days في calquin.conf: عدد الأيام التي تُحفظ فيها الإجابات، مثل ٣٦٥.
</translation>
    </message>
    <message>
        <source>calquin: results/keep-days in calquin.conf must be a whole number of days from 1 to 36500, not &quot;%1&quot;.
</source>
        <translation>calquin: يجب أن يكون results/keep-days في calquin.conf عددًا صحيحًا من الأيام من ١ إلى ٣٦٥٠٠، لا &quot;%1&quot;.
</translation>
    </message>
    <message>
        <source>calquin: cannot read the results folder %1: %2.
</source>
        <translation>calquin: تتعذّر قراءة مجلد النتائج %1: %2.
</translation>
    </message>
    <message numerus="yes">
        <source>Answers dated before %1 (kept for %2 days) removed from %3: %n.
</source>
        <translation>
            <numerusform>الإجابات المؤرخة قبل %1 (تُحفظ %2 يومًا) المحذوفة من %3: %n.
</numerusform>
            <numerusform>الإجابات المؤرخة قبل %1 (تُحفظ %2 يومًا) المحذوفة من %3: %n.
</numerusform>
            <numerusform>الإجابات المؤرخة قبل %1 (تُحفظ %2 يومًا) المحذوفة من %3: %n.
</numerusform>
            <numerusform>الإجابات المؤرخة قبل %1 (تُحفظ %2 يومًا) المحذوفة من %3: %n.
</numerusform>
            <numerusform>الإجابات المؤرخة قبل %1 (تُحفظ %2 يومًا) المحذوفة من %3: %n.
</numerusform>
            <numerusform>الإجابات المؤرخة قبل %1 (تُحفظ %2 يومًا) المحذوفة من %3: %n.
</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Answers of %1 removed from %2: %n.
</source>
        <translation>
            <numerusform>إجابات %1 المحذوفة من %2: %n.
</numerusform>
            <numerusform>إجابات %1 المحذوفة من %2: %n.
</numerusform>
            <numerusform>إجابات %1 المحذوفة من %2: %n.
</numerusform>
            <numerusform>إجابات %1 المحذوفة من %2: %n.
</numerusform>
            <numerusform>إجابات %1 المحذوفة من %2: %n.
</numerusform>
            <numerusform>إجابات %1 المحذوفة من %2: %n.
</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Files removed, since no answer was left in them: %n.
</source>
        <translation>
            <numerusform>الملفات المحذوفة لأنه لم تبقَ فيها أي إجابة: %n.
</numerusform>
            <numerusform>الملفات المحذوفة لأنه لم تبقَ فيها أي إجابة: %n.
</numerusform>
            <numerusform>الملفات المحذوفة لأنه لم تبقَ فيها أي إجابة: %n.
</numerusform>
            <numerusform>الملفات المحذوفة لأنه لم تبقَ فيها أي إجابة: %n.
</numerusform>
            <numerusform>الملفات المحذوفة لأنه لم تبقَ فيها أي إجابة: %n.
</numerusform>
            <numerusform>الملفات المحذوفة لأنه لم تبقَ فيها أي إجابة: %n.
</numerusform>
        </translation>
    </message>
    <message>
        <source>calquin: results files that could not be changed: %1. The first is %2: %3.
</source>
        <translation>calquin: ملفات النتائج التي تعذّر تغييرها: %1. أولها %2: %3.
</translation>
    </message>
    <message>
        <source>calquin: --forget-pupil needs a name.
</source>
        <translation>calquin: يحتاج --forget-pupil إلى اسم.
</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>Addition</source>
        <translation>الجمع</translation>
    </message>
    <message>
        <source>%1 plus %2</source>
        <translation>%1 زائد %2</translation>
    </message>
    <message>
        <source>Subtraction</source>
        <translation>الطرح</translation>
    </message>
    <message>
        <source>%1 minus %2</source>
        <translation>%1 ناقص %2</translation>
    </message>
    <message>
        <source>Multiplication</source>
        <translation>الضرب</translation>
    </message>
    <message>
        <source>%1 times %2</source>
        <translation>%1 في %2</translation>
    </message>
    <message>
        <source>Division</source>
        <translation>القسمة</translation>
    </message>
    <message>
        <source>%1 divided by %2</source>
        <translation>%1 على %2</translation>
    </message>
    <message>
        <source>Test Selection Area</source>
        <translation>اختيار التمرين</translation>
    </message>
    <message>
        <source>Select details of numbers from list given below :</source>
        <translation>اختر من القائمة أدناه الأعداد التي ستحسب بها:</translation>
    </message>
    <message>
        <source>Click on one of the options below :</source>
        <translation>اضغط على إحدى العمليات أدناه:</translation>
    </message>
    <message>
        <source>Back to Index</source>
        <translation>رجوع إلى القائمة</translation>
    </message>
    <message>
        <source>Test Area</source>
        <translation>التمرين</translation>
    </message>
    <message>
        <source>Ans</source>
        <translation>ج</translation>
    </message>
    <message>
        <source>Qst</source>
        <translation>س</translation>
    </message>
    <message>
        <source>Type the &apos;Ans&apos; box and press &apos;Enter&apos; key to proceed.</source>
        <translation>اكتب الإجابة في خانة «ج» ثم اضغط مفتاح Enter.</translation>
    </message>
    <message>
        <source>Result Area</source>
        <translation>النتائج</translation>
    </message>
    <message>
        <source>T/Q = ... S</source>
        <translation>معدل = ... ث</translation>
    </message>
    <message>
        <source>Wrong Ans = 0</source>
        <translation>خطأ = ٠</translation>
    </message>
    <message>
        <source>Correct Ans = 0</source>
        <translation>صح = ٠</translation>
    </message>
    <message>
        <source>Options Area</source>
        <translation>الخيارات</translation>
    </message>
    <message>
        <source>Give result of each question with correct answers</source>
        <translation>تصحيح كل سؤال مع عرض الإجابة الصحيحة</translation>
    </message>
    <message>
        <source>Show only summarized result</source>
        <translation>عرض النتيجة النهائية فقط</translation>
    </message>
    <message>
        <source>Click this button to suspend current test and go back to index</source>
        <translation>اضغط هذا الزر لإيقاف التمرين والرجوع إلى القائمة</translation>
    </message>
    <message>
        <source>Answer</source>
        <translation>الإجابة</translation>
    </message>
    <message>
        <source>Type the answer to the question and press Enter</source>
        <translation>اكتب إجابة السؤال واضغط Enter</translation>
    </message>
    <message>
        <source>Question</source>
        <translation>السؤال</translation>
    </message>
    <message>
        <source>Drill items</source>
        <translation>التمارين</translation>
    </message>
    <message>
        <source>Choosing an item starts a test</source>
        <translation>عند اختيار تمرين يبدأ فورًا</translation>
    </message>
    <message>
        <source>Publisher&apos;s web page</source>
        <translation>موقع الناشر</translation>
    </message>
    <message>
        <source>Opens the publisher&apos;s web page in the web browser</source>
        <translation>يفتح موقع الناشر في متصفح الويب</translation>
    </message>
    <message>
        <source>Publisher&apos;s logo</source>
        <translation>شعار الناشر</translation>
    </message>
    <message>
        <source>Test</source>
        <translation>التمرين</translation>
    </message>
    <message>
        <source>Number of correct answers</source>
        <translation>عدد الإجابات الصحيحة</translation>
    </message>
    <message>
        <source>Number of wrong answers</source>
        <translation>عدد الإجابات الخاطئة</translation>
    </message>
    <message>
        <source>Average time per question in seconds</source>
        <translation>متوسط الزمن لكل سؤال بالثواني</translation>
    </message>
    <message>
        <source>&apos;Calquin&apos; Competency Test</source>
        <translation>التدريب على الحساب «Calquin»</translation>
    </message>
</context>
<context>
    <name>ItemChoice</name>
    <message>
        <source>This item cannot be started: its operator must be exactly +, -, * or /.</source>
        <translation>لا يمكن بدء هذا التمرين: يجب أن تكون علامة العملية بالضبط +، أو -، أو *، أو /.</translation>
    </message>
    <message>
        <source>This item cannot be started: both digit counts must be from 1 to 9.</source>
        <translation>لا يمكن بدء هذا التمرين: يجب أن يكون عدد أرقام كل من العددين من ١ إلى ٩.</translation>
    </message>
    <message>
        <source>This item cannot be started: for - and / the first number must not have fewer digits than the second.</source>
        <translation>لا يمكن بدء هذا التمرين: في الطرح (-) والقسمة (/) يجب ألا يقل عدد أرقام العدد الأول عن عدد أرقام العدد الثاني.</translation>
    </message>
    <message>
        <source>This item cannot be started: its answers could be too large to check.</source>
        <translation>لا يمكن بدء هذا التمرين: قد تكون النواتج أكبر من أن تُصحَّح.</translation>
    </message>
    <message>
        <source>This row of the list holds no item.</source>
        <translation>لا يوجد تمرين في هذا الموضع من القائمة.</translation>
    </message>
</context>
<context>
    <name>NameChooser</name>
    <message>
        <source>Choose your name, then press Enter or click it:</source>
        <translation>اختر اسمك، ثم اضغط Enter أو انقر عليه:</translation>
    </message>
</context>
<context>
    <name>PupilNames</name>
    <message>
        <source>calquin: no names to choose from, since %1 cannot be read: %2. Answers are recorded under the login name.
</source>
        <translation>calquin: لا أسماء للاختيار منها، لأن %1 تتعذّر قراءته: %2. تُسجَّل الإجابات باسم الدخول.
</translation>
    </message>
    <message>
        <source>calquin: no names to choose from, since %1 lists none. Answers are recorded under the login name.
</source>
        <translation>calquin: لا أسماء للاختيار منها، لأن %1 لا يضم أي اسم. تُسجَّل الإجابات باسم الدخول.
</translation>
    </message>
    <message>
        <source>calquin: line %1 of %2 is not UTF-8 text and is left out.
</source>
        <translation>calquin: السطر %1 من %2 ليس نصًا بترميز UTF-8 ولذا يُترك.
</translation>
    </message>
    <message numerus="yes">
        <source>Pupils: each first chooses their name, one of %n in %1.
</source>
        <translation>
            <numerusform>التلاميذ: يختار كل منهم اسمه أولًا من %1 (عدد الأسماء: %n).
</numerusform>
            <numerusform>التلاميذ: يختار كل منهم اسمه أولًا من %1 (عدد الأسماء: %n).
</numerusform>
            <numerusform>التلاميذ: يختار كل منهم اسمه أولًا من %1 (عدد الأسماء: %n).
</numerusform>
            <numerusform>التلاميذ: يختار كل منهم اسمه أولًا من %1 (عدد الأسماء: %n).
</numerusform>
            <numerusform>التلاميذ: يختار كل منهم اسمه أولًا من %1 (عدد الأسماء: %n).
</numerusform>
            <numerusform>التلاميذ: يختار كل منهم اسمه أولًا من %1 (عدد الأسماء: %n).
</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>QGuiApplication</name>
    <message>
        <source>QT_LAYOUT_DIRECTION</source>
        <comment>Translate this string to the string &apos;LTR&apos; in left-to-right languages or to &apos;RTL&apos; in right-to-left languages (such as Hebrew and Arabic) to get proper widget layout.</comment>
        <translation>RTL</translation>
    </message>
</context>
<context>
    <name>Question</name>
    <message>
        <source>+</source>
        <translation>+</translation>
    </message>
    <message>
        <source>-</source>
        <translation>-</translation>
    </message>
    <message>
        <source>*</source>
        <translation>×</translation>
    </message>
    <message>
        <source>/</source>
        <translation>÷</translation>
    </message>
    <message>
        <source>0123456789</source>
        <extracomment>The digits zero to nine, in this order, as the pupils&apos; schools write them.</extracomment>
        <translation>٠١٢٣٤٥٦٧٨٩</translation>
    </message>
    <message>
        <source>QUESTION_DIRECTION</source>
        <extracomment>Translate this to &quot;RTL&quot; where the pupils&apos; schools write a sum from the right, its first number rightmost (as Arabic school books do), or to &quot;LTR&quot; where they write it from the left.</extracomment>
        <translation>RTL</translation>
    </message>
</context>
<context>
    <name>Recording</name>
    <message>
        <source>calquin: answers are not recorded in %1: %2
</source>
        <translation>calquin: لا تُسجَّل الإجابات في %1: %2
</translation>
    </message>
    <message>
        <source>calquin: answers are not recorded in %1: %2; they go to %3
</source>
        <translation>calquin: لا تُسجَّل الإجابات في %1: %2؛ بل تُسجَّل في %3
</translation>
    </message>
    <message>
        <source>calquin: answers are not recorded in %1: the program ended while they were still waiting for a lock or the folder (answers lost: %2)
</source>
        <translation>calquin: لا تُسجَّل الإجابات في %1: انتهى البرنامج وهي لا تزال تنتظر قفلًا أو المجلد (الإجابات الضائعة: %2)
</translation>
    </message>
</context>
<context>
    <name>ResultsReport</name>
    <message>
        <source>%1%</source>
        <translation>%1٪</translation>
    </message>
    <message>
        <source>For this run, record every answer in DIR instead of the folder set in calquin.conf.</source>
        <translation>في هذا التشغيل، يسجّل كل إجابة في مجلد بدلًا من المجلد المحدد في calquin.conf.</translation>
    </message>
    <message>
        <source>Print the class&apos;s results from the results folder FOLDER (default: the one set in calquin.conf), without opening the window.</source>
        <translation>يعرض نتائج الفصل من مجلد النتائج مجلد (الافتراضي: المحدد في calquin.conf)، دون فتح النافذة.</translation>
    </message>
    <message>
        <source>With --report: only answers given on DATE (YYYY-MM-DD) or later.</source>
        <translation>مع ⁦--report⁩: الإجابات المعطاة في تاريخ (YYYY-MM-DD) أو بعده فقط.</translation>
    </message>
    <message>
        <source>--report and --check cannot be given together.</source>
        <translation>لا يمكن استخدام ⁦--report⁩ و⁦--check⁩ معًا.</translation>
    </message>
    <message>
        <source>--report takes at most one folder.</source>
        <translation>يقبل ⁦--report⁩ مجلدًا واحدًا على الأكثر.</translation>
    </message>
    <message>
        <source>--since can only be given with --report.</source>
        <translation>لا يمكن استخدام ⁦--since⁩ إلا مع ⁦--report⁩.</translation>
    </message>
    <message>
        <source>With --report: the results folder to read.</source>
        <translation>مع ⁦--report⁩: مجلد النتائج المراد قراءته.</translation>
    </message>
    <message>
        <source>  4  --report cannot read the results folder
With --report, 0 means the report was printed and 2 a wrong date or option.
</source>
        <translation>  ٤  لا يستطيع ⁦--report⁩ قراءة مجلد النتائج
مع ⁦--report⁩، تعني ٠ أن التقرير عُرض، وتعني ٢ تاريخًا أو خيارًا غير صحيح.
</translation>
    </message>
    <message>
        <source>Results: not recorded, since no results folder is set.
</source>
        <translation>النتائج: لا تُسجَّل، لأنه لم يُحدَّد مجلد للنتائج.
</translation>
    </message>
    <message>
        <source>Results: cannot be recorded in %1: %2.
</source>
        <translation>النتائج: لا يمكن تسجيلها في %1: %2.
</translation>
    </message>
    <message>
        <source>Results: every answer is recorded in %1.
</source>
        <translation>النتائج: تُسجَّل كل إجابة في %1.
</translation>
    </message>
    <message>
        <source>calquin: --report needs a folder, and no results folder is set in calquin.conf.
</source>
        <translation>calquin: يحتاج ⁦--report⁩ إلى مجلد، ولم يُحدَّد مجلد للنتائج في calquin.conf.
</translation>
    </message>
    <message>
        <source>calquin: --since needs a date written YYYY-MM-DD, such as 2026-12-08, not &quot;%1&quot;.
</source>
        <translation>calquin: يحتاج ⁦--since⁩ إلى تاريخ مكتوب بالشكل YYYY-MM-DD، مثل 2026-12-08، وليس «%1».
</translation>
    </message>
    <message>
        <source>calquin: cannot read the results folder %1: %2.
</source>
        <translation>calquin: لا يمكن قراءة مجلد النتائج %1: %2.
</translation>
    </message>
    <message>
        <source>Results in %1</source>
        <translation>النتائج في %1</translation>
    </message>
    <message>
        <source>Results in %1 from %2 on</source>
        <translation>النتائج في %1 ابتداءً من %2</translation>
    </message>
    <message>
        <source>No answers are recorded.</source>
        <translation>لا توجد إجابات مسجلة.</translation>
    </message>
    <message>
        <source>Pupil and item</source>
        <translation>التلميذ والتمرين</translation>
    </message>
    <message>
        <source>Answers</source>
        <translation>الإجابات</translation>
    </message>
    <message>
        <source>Correct</source>
        <translation>صح</translation>
    </message>
    <message>
        <source>Share</source>
        <translation>النسبة</translation>
    </message>
    <message>
        <source>Seconds</source>
        <translation>الثواني</translation>
    </message>
    <message>
        <source>Most missed questions</source>
        <translation>أكثر الأسئلة خطأً</translation>
    </message>
    <message>
        <source>Wrong</source>
        <translation>خطأ</translation>
    </message>
    <message>
        <source>Asked</source>
        <translation>عدد المرات</translation>
    </message>
    <message>
        <source>Rows that cannot be read, skipped: %1. The first is line %2 of %3.</source>
        <translation>أسطر لا يمكن قراءتها، تم تخطيها: %1. أولها السطر %2 من %3.</translation>
    </message>
    <message>
        <source>Files that cannot be read, left out: %1. The first is %2: %3.</source>
        <translation>ملفات لا يمكن قراءتها، تم استبعادها: %1. أولها %2: %3.</translation>
    </message>
    <message>
        <source>Rows that name another pupil than their file, skipped: %1. The first is line %2 of %3.</source>
        <translation>أسطر تذكر تلميذًا غير صاحب ملفها، تم تخطيها: %1. أولها السطر %2 من %3.</translation>
    </message>
    <message>
        <source>Files that are no results files, left out: %1. The first is %2.</source>
        <translation>ملفات ليست ملفات نتائج، تم استبعادها: %1. أولها %2.</translation>
    </message>
    <message>
        <source>DIR</source>
        <translation>مجلد</translation>
    </message>
    <message>
        <source>DATE</source>
        <translation>تاريخ</translation>
    </message>
</context>
<context>
    <name>Scoring</name>
    <message>
        <source>Correct Ans = %1</source>
        <translation>صح = %1</translation>
    </message>
    <message>
        <source>Wrong Ans = %1</source>
        <translation>خطأ = %1</translation>
    </message>
    <message>
        <source>Correct!</source>
        <translation>صح! أحسنت</translation>
    </message>
    <message>
        <source>Wrong! Answer is %1</source>
        <translation>خطأ! الإجابة الصحيحة هي %1</translation>
    </message>
    <message>
        <source>T/Q %1 S</source>
        <translation>معدل %1 ث</translation>
    </message>
    <message>
        <source>Counting Amounts</source>
        <translation>تمارين الحساب</translation>
    </message>
</context>
</TS>
