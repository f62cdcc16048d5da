<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja_JP" sourcelanguage="en">
<context>
    <name>Admin</name>
    <message>
        <source>Show this help and exit.</source>
        <translation>この説明を表示して終了する。</translation>
    </message>
    <message>
        <source>Run &quot;%1 --help&quot; for how to call it.</source>
        <translation>呼び出し方は「%1 --help」で表示されます。</translation>
    </message>
    <message>
        <source>The teachers&apos; tool of Tavrel: sets up a school&apos;s installation, imports class lists into its roster, backs up its records, lists and exports its runs, writes worksheets and pupils&apos; reports, and makes and checks question files.</source>
        <translation>Tavrel の先生用ツール: 学校のインストールを作り、クラス名簿を生徒用名簿に取り込み、記録をバックアップし、成績を一覧にして書き出し、問題用紙と個人成績表を作り、問題ファイルを作って調べます。</translation>
    </message>
    <message>
        <source>Show the version and exit.</source>
        <translation>バージョンを表示して終了する。</translation>
    </message>
    <message>
        <source>COMMAND</source>
        <translation>コマンド</translation>
    </message>
    <message>
        <source>one of the commands below; &quot;%1 COMMAND --help&quot; shows its own help</source>
        <translation>下のコマンドのどれか。「%1 コマンド --help」でそのコマンドの説明を表示します</translation>
    </message>
    <message>
        <source>Commands:</source>
        <translation>コマンド:</translation>
    </message>
    <message>
        <source>Messages are in Japanese when the locale (LC_ALL, LC_MESSAGES or LANG) is Japanese, and in English otherwise.</source>
        <translation>メッセージは、ロケール（LC_ALL、LC_MESSAGES または LANG）が日本語のときは日本語で、それ以外のときは英語で表示されます。</translation>
    </message>
    <message>
        <source>done</source>
        <translation>完了</translation>
    </message>
    <message>
        <source>refused, failed or problems found (each is named)</source>
        <translation>拒否した、失敗した、または問題が見つかった（それぞれ表示されます）</translation>
    </message>
    <message>
        <source>%1 [options] COMMAND [ARGUMENTS...]</source>
        <translation>%1 [オプション] コマンド [引数...]</translation>
    </message>
    <message>
        <source>wrong number of arguments (%1)</source>
        <translation>引数の数が違います（%1 個）</translation>
    </message>
    <message>
        <source>&quot;%1&quot; needs one of: %2</source>
        <translation>「%1」には次のどれかを指定してください: %2</translation>
    </message>
    <message>
        <source>there is no command &quot;%1&quot;</source>
        <translation>「%1」というコマンドはありません</translation>
    </message>
    <message>
        <source>the installation&apos;s program folder</source>
        <translation>インストールのプログラムフォルダ</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a date of the form YYYY-MM-DD</source>
        <translation>「%1」は YYYY-MM-DD の形の日付ではありません</translation>
    </message>
</context>
<context>
    <name>AnswerLog</name>
    <message>
        <source>Cannot read the answer log %1: %2 (error %3)</source>
        <translation>解答の記録 %1 を読めません: %2（エラー番号 %3）</translation>
    </message>
</context>
<context>
    <name>BankCommands</name>
    <message>
        <source>cannot read %1: %2</source>
        <translation>%1 を読めません: %2</translation>
    </message>
    <message>
        <source>cannot write %1: %2</source>
        <translation>%1 を書き込めません: %2</translation>
    </message>
    <message>
        <source>1 problem</source>
        <translation>問題 1 件</translation>
    </message>
    <message>
        <source>%1 problems</source>
        <translation>問題 %1 件</translation>
    </message>
    <message>
        <source>Writes the stored question file OUT from PLAIN, a UTF-8 text file with one question per line:
  serial,group,year,name,name line 2,explanation,explanation line 2%1
Fields hold no commas. A line shorter than %2 characters is padded with &quot;%3&quot; after the end marker; the padding stays in OUT and comes back with unscramble. OUT is Shift-JIS with CR LF line ends, as the program reads it: install it as Morvidかな0vv.ccc in the program folder. OUT is written only when every line can be stored; otherwise each problem is listed with its line number and OUT is left as it was. Run check on OUT to check its questions.</source>
        <translation>1 行に 1 問を書いた UTF-8 のテキストファイル PLAIN から、保存用の問題ファイル OUT を作ります:
  通し番号,グループ,年,名前,名前の2行目,説明,説明の2行目%1
項目にコンマは入れられません。%2 文字に満たない行は、終わりの印のあとに「%3」を足して長さをそろえます。足した分は OUT に残り、unscramble で戻ります。OUT はプログラムが読むとおり Shift-JIS で行末は CR LF です。プログラムフォルダに Morvidかな0vv.ccc として置いてください。OUT はすべての行を保存できるときだけ書き込まれます。そうでないときは問題を行番号とともに一つずつ示し、OUT は元のままです。問題の中身は OUT に check をかけて調べてください。</translation>
    </message>
    <message>
        <source>the plain question lines (UTF-8)</source>
        <translation>問題の行（UTF-8）</translation>
    </message>
    <message>
        <source>the stored question file to write</source>
        <translation>書き込む保存用の問題ファイル</translation>
    </message>
    <message>
        <source>written</source>
        <translation>書き込んだ</translation>
    </message>
    <message>
        <source>problems, or a file that cannot be read or written</source>
        <translation>問題がある、またはファイルを読み書きできない</translation>
    </message>
    <message>
        <source>Writes OUT, a UTF-8 text file with one plain line per line of the stored question file STORED (such as Morvidかな0vv.ccc), filler included, for editing and scrambling again. Scrambling OUT gives STORED back. OUT is written only when every line can be unscrambled.</source>
        <translation>保存用の問題ファイル STORED（Morvidかな0vv.ccc など）の 1 行ごとに、足した分も含めて 1 行の元の行を書いた UTF-8 のテキストファイル OUT を作ります。直してから scramble をかけ直すためのものです。OUT に scramble をかけると STORED に戻ります。OUT はすべての行を戻せるときだけ書き込まれます。</translation>
    </message>
    <message>
        <source>the stored question file</source>
        <translation>保存用の問題ファイル</translation>
    </message>
    <message>
        <source>the plain lines to write (UTF-8)</source>
        <translation>書き込む元の行（UTF-8）</translation>
    </message>
    <message>
        <source>Reads the stored question file STORED (such as Morvidかな0vv.ccc) as the program does and lists every problem with its line number: more than %1 lines, bytes that are not Shift-JIS, a line too short to unscramble, no end marker, more than %2 fields or fewer than %3, a group that is not a whole number from 1 to %4, a year that is not a whole number or lies outside %5 to %6, and a group with fewer than %7 questions.</source>
        <translation>保存用の問題ファイル STORED（Morvidかな0vv.ccc など）をプログラムと同じように読み、問題をすべて行番号とともに示します: %1 行を超える行数、Shift-JIS でないバイト、戻せないほど短い行、終わりの印がない行、%2 個を超える項目や %3 個に満たない項目、1 から %4 までの整数でないグループ、整数でない年や %5 から %6 の外の年、問題が %7 問に満たないグループ。</translation>
    </message>
    <message>
        <source>no problems</source>
        <translation>問題なし</translation>
    </message>
    <message>
        <source>problems, or a file that cannot be read</source>
        <translation>問題がある、またはファイルを読めない</translation>
    </message>
    <message>
        <source>%1 is not UTF-8 text</source>
        <translation>%1 は UTF-8 のテキストではありません</translation>
    </message>
    <message>
        <source>%1 not written (%2)</source>
        <translation>%1 は書き込みませんでした（%2）</translation>
    </message>
    <message>
        <source>wrote %1 lines to %2</source>
        <translation>%1 行を %2 に書き込みました</translation>
    </message>
    <message>
        <source>%1: no problems</source>
        <translation>%1: 問題はありません</translation>
    </message>
    <message>
        <source>make a stored question file from plain UTF-8 lines</source>
        <translation>UTF-8 の行から保存用の問題ファイルを作る</translation>
    </message>
    <message>
        <source>turn a stored question file back into plain lines</source>
        <translation>保存用の問題ファイルを元の行に戻す</translation>
    </message>
    <message>
        <source>list every problem of a stored question file</source>
        <translation>保存用の問題ファイルの問題をすべて示す</translation>
    </message>
</context>
<context>
    <name>ClassList</name>
    <message>
        <source>a quoted cell is never closed</source>
        <translation>引用符で始まるセルが閉じられていません</translation>
    </message>
    <message>
        <source>no header row in the first %1 rows names the number (出席番号, 番号, No) and the name (氏名, 名前, 児童名, 生徒名) of the pupils</source>
        <translation>最初の %1 行に、番号（出席番号、番号、No）と名前（氏名、名前、児童名、生徒名）の列名を書いた見出しの行がありません</translation>
    </message>
    <message>
        <source>the header has no column for the birth (生年月日, 誕生日 or 生年)</source>
        <translation>見出しに生まれの列（生年月日、誕生日、生年）がありません</translation>
    </message>
    <message>
        <source>the header has two columns &quot;%1&quot;</source>
        <translation>見出しに「%1」の列が二つあります</translation>
    </message>
    <message>
        <source>%1 &quot;%2&quot; is not a whole number from 1 to %3</source>
        <translation>%1「%2」は 1 から %3 までの整数ではありません</translation>
    </message>
    <message>
        <source>%1 %2 is already on line %3</source>
        <translation>%1 %2 はすでに %3 行目にあります</translation>
    </message>
    <message>
        <source>%1 %2 of the class %3 is already on line %4</source>
        <translation>クラス %3 の%1 %2 はすでに %4 行目にあります</translation>
    </message>
    <message>
        <source>%1 is empty</source>
        <translation>%1が空です</translation>
    </message>
    <message>
        <source>%1 holds a control character (%2)</source>
        <translation>%1に制御文字（%2）があります</translation>
    </message>
    <message>
        <source>%1 &quot;%2&quot; is longer than %3 characters</source>
        <translation>%1「%2」は %3 文字より長くなっています</translation>
    </message>
    <message>
        <source>%1 &quot;%2&quot; holds characters that Shift-JIS cannot store: %3</source>
        <translation>%1「%2」に Shift-JIS で保存できない文字があります: %3</translation>
    </message>
    <message>
        <source>%1 &quot;%2&quot; is neither a year nor a date (2013, 2013/4/5, 2013年4月5日, 平成25年4月5日, H25.4.5)</source>
        <translation>%1「%2」は年でも日付でもありません（2013、2013/4/5、2013年4月5日、平成25年4月5日、H25.4.5 のように書きます）</translation>
    </message>
    <message>
        <source>%1 &quot;%2&quot; is not a birth from %3 to %4</source>
        <translation>%1「%2」は %3 年から %4 年までの生まれではありません</translation>
    </message>
    <message>
        <source>; </source>
        <comment>between the faults of one line</comment>
        <translation>。</translation>
    </message>
</context>
<context>
    <name>ClassListFile</name>
    <message>
        <source>save the list as an Excel workbook (.xlsx) or as CSV UTF-8 (.csv)</source>
        <translation>名簿を Excel ブック（.xlsx）か CSV UTF-8（.csv）で保存し直してください</translation>
    </message>
    <message>
        <source>an Excel 97-2003 workbook (.xls) or a file protected by a password</source>
        <translation>Excel 97-2003 ブック（.xls）か、パスワードで保護されたファイル</translation>
    </message>
    <message>
        <source>a PDF document</source>
        <translation>PDF 文書</translation>
    </message>
    <message>
        <source>a rich-text document (RTF)</source>
        <translation>リッチテキスト文書（RTF）</translation>
    </message>
    <message>
        <source>UTF-32 text</source>
        <translation>UTF-32 のテキスト</translation>
    </message>
    <message>
        <source>a picture</source>
        <translation>画像</translation>
    </message>
    <message>
        <source>an Excel 2003 XML spreadsheet</source>
        <translation>Excel 2003 XML スプレッドシート</translation>
    </message>
    <message>
        <source>a web page (HTML)</source>
        <translation>Web ページ（HTML）</translation>
    </message>
    <message>
        <source>an XML document</source>
        <translation>XML 文書</translation>
    </message>
    <message>
        <source>UTF-8 with a byte-order mark</source>
        <translation>BOM 付き UTF-8</translation>
    </message>
    <message>
        <source>tab-separated</source>
        <translation>タブ区切り</translation>
    </message>
    <message>
        <source>semicolon-separated</source>
        <translation>セミコロン区切り</translation>
    </message>
    <message>
        <source>comma-separated</source>
        <translation>コンマ区切り</translation>
    </message>
    <message>
        <source>%1 is %2, not a class list this tool reads: %3.</source>
        <translation>%1 は%2です。このツールで読めるクラス名簿ではありません。%3。</translation>
    </message>
    <message>
        <source>%1 is empty.</source>
        <translation>%1 は空です。</translation>
    </message>
    <message>
        <source>%1 is an Excel workbook, but %2.</source>
        <translation>%1 は Excel ブックですが、%2。</translation>
    </message>
    <message>
        <source>Excel workbook, sheet &quot;%1&quot;</source>
        <translation>Excel ブック、シート「%1」</translation>
    </message>
    <message>
        <source>an OpenDocument spreadsheet (.ods)</source>
        <translation>OpenDocument スプレッドシート（.ods）</translation>
    </message>
    <message>
        <source>an OpenDocument document</source>
        <translation>OpenDocument 文書</translation>
    </message>
    <message>
        <source>a Word document (.docx)</source>
        <translation>Word 文書（.docx）</translation>
    </message>
    <message>
        <source>a ZIP archive</source>
        <translation>ZIP 書庫</translation>
    </message>
    <message>
        <source>%1 holds bytes that are no text (NUL), not a class list this tool reads: %2; UTF-16 text needs its byte-order mark.</source>
        <translation>%1 には文字でないバイト（NUL）があり、このツールで読めるクラス名簿ではありません。%2。UTF-16 のテキストには BOM が必要です。</translation>
    </message>
    <message>
        <source>%1 is neither UTF-8 nor Shift-JIS text, not a class list this tool reads: %2.</source>
        <translation>%1 は UTF-8 のテキストでも Shift-JIS のテキストでもなく、このツールで読めるクラス名簿ではありません。%2。</translation>
    </message>
    <message>
        <source>%1 is a text file, which has no sheets; give --sheet only with an Excel workbook.</source>
        <translation>%1 はテキストファイルで、シートはありません。--sheet は Excel ブックのときだけ指定してください。</translation>
    </message>
    <message>
        <source>%1 text, %2</source>
        <translation>%1 のテキスト、%2</translation>
    </message>
</context>
<context>
    <name>ClassMap</name>
    <message>
        <source>the class has no name</source>
        <translation>クラスに名前がありません</translation>
    </message>
    <message>
        <source>the class &quot;%1&quot; is longer than %2 characters</source>
        <translation>クラス「%1」は %2 文字より長くなっています</translation>
    </message>
    <message>
        <source>the class &quot;%1&quot; holds a double quote or a control character</source>
        <translation>クラス「%1」に二重引用符か制御文字があります</translation>
    </message>
    <message>
        <source>the class &quot;%1&quot; holds characters that Shift-JIS cannot store</source>
        <translation>クラス「%1」に Shift-JIS で保存できない文字があります</translation>
    </message>
    <message>
        <source>The file cannot be opened (%1).</source>
        <translation>ファイルを開けません（%1）。</translation>
    </message>
    <message>
        <source> This class is not used.</source>
        <translation>このクラスは使いません。</translation>
    </message>
    <message>
        <source>There must be %1 values (class, first number, last number), but there are %2.</source>
        <translation>値が %1 個（クラス、最初の番号、最後の番号）必要ですが、%2 個あります。</translation>
    </message>
    <message>
        <source>%1.</source>
        <comment>a reason made a sentence</comment>
        <translation>%1。</translation>
    </message>
    <message>
        <source>The numbers &quot;%1&quot; and &quot;%2&quot; are not whole numbers from 1 to %3.</source>
        <translation>番号「%1」と「%2」が 1 から %3 までの整数ではありません。</translation>
    </message>
    <message>
        <source>The first number %1 is above the last %2.</source>
        <translation>最初の番号 %1 が最後の番号 %2 より大きくなっています。</translation>
    </message>
    <message>
        <source>The class &quot;%1&quot; is already on an earlier line.</source>
        <translation>クラス「%1」はすでに前の行にあります。</translation>
    </message>
    <message>
        <source>The numbers %1 to %2 meet those of the class &quot;%3&quot; (%4 to %5).</source>
        <translation>番号 %1 から %2 が、クラス「%3」の番号（%4 から %5）と重なっています。</translation>
    </message>
</context>
<context>
    <name>ClassOverview</name>
    <message>
        <source>Class</source>
        <translation>組</translation>
    </message>
    <message>
        <source>No.</source>
        <translation>番号</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>氏名</translation>
    </message>
    <message>
        <source>Best</source>
        <translation>ベスト</translation>
    </message>
    <message>
        <source>Runs</source>
        <translation>回数</translation>
    </message>
    <message>
        <source>Cleared</source>
        <translation>クリア</translation>
    </message>
    <message>
        <source>Median</source>
        <translation>中央値</translation>
    </message>
    <message>
        <source>no temporary folder for the workbook (%1)</source>
        <translation>ブックを作る一時フォルダがありません（%1）</translation>
    </message>
    <message>
        <source>the workbook cannot be made</source>
        <translation>ブックを作れません</translation>
    </message>
    <message>
        <source>the workbook cannot be made (%1)</source>
        <translation>ブックを作れません（%1）</translation>
    </message>
    <message>
        <source>the workbook cannot be read back (%1)</source>
        <translation>作ったブックを読めません（%1）</translation>
    </message>
</context>
<context>
    <name>ClassOverviewPdf</name>
    <message>
        <source>: the overview could not be drawn</source>
        <translation>: 一覧表を描けませんでした</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Exit status:</source>
        <translation>終了ステータス:</translation>
    </message>
    <message>
        <source>wrong call (unknown option, missing or extra argument)</source>
        <translation>呼び出し方の誤り（知らないオプション、引数の不足や余り）</translation>
    </message>
</context>
<context>
    <name>ComputeStats</name>
    <message>
        <source>Run log load</source>
        <translation>成績ランダムファイル表示</translation>
    </message>
    <message>
        <source>pupil number or level out of range</source>
        <translation>生徒番号またはレベルが範囲外です</translation>
    </message>
    <message>
        <source>File missing %1 %2 %3</source>
        <translation>ファイルがありません%1 %2 %3</translation>
    </message>
</context>
<context>
    <name>DataFileError</name>
    <message>
        <source>%1, line %2: %3</source>
        <translation>%1 の %2 行目: %3</translation>
    </message>
    <message>
        <source>The file is not there.</source>
        <translation>ファイルが見つかりません。</translation>
    </message>
</context>
<context>
    <name>FieldReader</name>
    <message>
        <source>The file cannot be opened (%1).</source>
        <translation>ファイルを開けません（%1）。</translation>
    </message>
    <message>
        <source>A quote &quot; is not closed.</source>
        <translation>引用符 &quot; が閉じられていません。</translation>
    </message>
    <message>
        <source>The file ends early: %1 needs %2 values, but there are only %3.</source>
        <translation>ファイルが途中で終わっています。%1には値が %2 個必要ですが、%3 個しかありません。</translation>
    </message>
    <message>
        <source>%1 is not a number (&quot;%2&quot;).</source>
        <translation>%1が数ではありません（「%2」）。</translation>
    </message>
    <message>
        <source>%1 is not a whole number (&quot;%2&quot;).</source>
        <translation>%1が整数ではありません（「%2」）。</translation>
    </message>
</context>
<context>
    <name>NewSchool</name>
    <message>
        <source>the folder %1 does not exist</source>
        <translation>フォルダ %1 がありません</translation>
    </message>
    <message>
        <source>there is no group &quot;%1&quot; on this machine</source>
        <translation>このコンピューターに「%1」というグループはありません</translation>
    </message>
    <message>
        <source>the code &quot;%1&quot; must be five letters or digits starting with a number that is not zero, such as 01234</source>
        <translation>コード「%1」は、01234 のように、0 でない数で始まる 5 文字の英数字でなければなりません</translation>
    </message>
    <message>
        <source>the school name is empty</source>
        <translation>学校名が空です</translation>
    </message>
    <message>
        <source>the school name may not hold a double quote, a tab or a line break</source>
        <translation>学校名には二重引用符、タブ、改行を入れられません</translation>
    </message>
    <message>
        <source>the school name &quot;%1&quot; holds characters that Shift-JIS cannot store</source>
        <translation>学校名「%1」に Shift-JIS で保存できない文字があります</translation>
    </message>
    <message>
        <source>the folder of the new installation is empty (an unset variable?); nothing was changed</source>
        <translation>新しいインストールのフォルダが空です（変数が設定されていない？）。何も変えていません</translation>
    </message>
    <message>
        <source>will not make an installation in %1; give a folder of its own</source>
        <translation>%1 にはインストールを作りません。インストール専用のフォルダを指定してください</translation>
    </message>
    <message>
        <source>%1 already holds an installation; nothing was changed</source>
        <translation>%1 にはすでにインストールがあります。何も変えていません</translation>
    </message>
    <message>
        <source>nothing was changed</source>
        <translation>何も変えていません</translation>
    </message>
    <message>
        <source>the folder mode must be 1 or 0</source>
        <translation>フォルダモードは 1 か 0 でなければなりません</translation>
    </message>
    <message>
        <source>a folder name may not hold a line break</source>
        <translation>フォルダ名には改行を入れられません</translation>
    </message>
    <message>
        <source>the content to copy is not a complete installation: %1</source>
        <translation>写す中身が完全なインストールではありません: %1</translation>
    </message>
    <message>
        <source>the content to copy has no question file %1</source>
        <translation>写す中身に問題ファイル %1 がありません</translation>
    </message>
    <message>
        <source>the name &quot;%1&quot; is registered in %2 for the installation %3; give another --name</source>
        <translation>「%1」という名前は %2 でインストール %3 に登録されています。別の --name を指定してください</translation>
    </message>
    <message>
        <source>nothing was left behind</source>
        <translation>何も残っていません</translation>
    </message>
    <message>
        <source>cannot give the installation the group %1: %2 (run as root, or give a group you belong to with --group)</source>
        <translation>インストールをグループ %1 のものにできません: %2（root で実行するか、自分の入っているグループを --group で指定してください）</translation>
    </message>
    <message>
        <source>cannot read %1: %2</source>
        <translation>%1 を読めません: %2</translation>
    </message>
    <message>
        <source>the new installation does not start: %1</source>
        <translation>新しいインストールが起動しません: %1</translation>
    </message>
    <message>
        <source>cannot make the folder %1</source>
        <translation>フォルダ %1 を作れません</translation>
    </message>
    <message>
        <source>cannot write %1: %2</source>
        <translation>%1 を書き込めません: %2</translation>
    </message>
</context>
<context>
    <name>PendingFile</name>
    <message>
        <source>not a pending file</source>
        <translation>預かりのファイルではありません</translation>
    </message>
    <message>
        <source>cut short</source>
        <translation>途中で切れています</translation>
    </message>
    <message>
        <source>the checksum differs</source>
        <translation>チェックサムが合いません</translation>
    </message>
    <message>
        <source>the number of entries runs past the end</source>
        <translation>記録の数がファイルの終わりを越えています</translation>
    </message>
    <message>
        <source>an entry runs past the end</source>
        <translation>記録がファイルの終わりを越えています</translation>
    </message>
    <message>
        <source>bytes after the last entry</source>
        <translation>最後の記録のあとにバイトがあります</translation>
    </message>
</context>
<context>
    <name>PersonalDemo</name>
    <message>
        <source>cannot make the folder of %1</source>
        <translation>%1 のフォルダを作れません</translation>
    </message>
</context>
<context>
    <name>ProgramArguments</name>
    <message>
        <source>Show this help and exit.</source>
        <translation>この説明を表示して終了する。</translation>
    </message>
    <message>
        <source>Show the version and exit.</source>
        <translation>バージョンを表示して終了する。</translation>
    </message>
    <message>
        <source>%1 [options] [PROGRAM_FOLDER]</source>
        <translation>%1 [オプション] [プログラムフォルダ]</translation>
    </message>
    <message>
        <source>the pupil left the program</source>
        <translation>生徒がプログラムを終えた</translation>
    </message>
    <message>
        <source>the installation cannot be started (the message names why)</source>
        <translation>インストールを始められない（理由はメッセージに表示されます）</translation>
    </message>
    <message>
        <source>Tavrel, the history drill: pupils pick their name and drill historical figures, what they did and their years, as flash-card practices and timed tests; every test run is recorded in the run log of the installation, which several computers may share. The program&apos;s screens speak Japanese. Without a program folder or a school, the program&apos;s own folder is taken when it is an installation; otherwise the pupil chooses one of the schools registered on this computer (tavrel-admin register-school).</source>
        <translation>Tavrel（歴史のドリル）: 生徒が自分の名前を選び、歴史上の人物とそのしたこと、その年を、カードの練習と時間を計るテストで覚えます。テストはすべてインストールの成績記録に記録され、成績記録は何台ものコンピューターで共有できます。画面は日本語です。プログラムフォルダも学校も指定しないときは、プログラム自身のフォルダがインストールならそれを使い、そうでなければこのコンピューターに登録された学校（tavrel-admin register-school）から生徒が選びます。</translation>
    </message>
    <message>
        <source>open the school registered on this computer under NAME</source>
        <translation>このコンピューターに NAME で登録された学校を開く</translation>
    </message>
    <message>
        <source>the installation&apos;s program folder, which holds 設定.txt</source>
        <translation>インストールのプログラムフォルダ（設定.txt のあるフォルダ）</translation>
    </message>
</context>
<context>
    <name>QCommandLineParser</name>
    <message>
        <source>Usage: %1</source>
        <translation>使用法: %1</translation>
    </message>
    <message>
        <source>Options:</source>
        <translation>オプション:</translation>
    </message>
    <message>
        <source>Arguments:</source>
        <translation>引数:</translation>
    </message>
    <message>
        <source>[options]</source>
        <translation>[オプション]</translation>
    </message>
    <message>
        <source>Unknown option &apos;%1&apos;.</source>
        <translation>「%1」というオプションはありません。</translation>
    </message>
    <message>
        <source>Unknown options: %1.</source>
        <translation>次のオプションはありません: %1。</translation>
    </message>
    <message>
        <source>Missing value after &apos;%1&apos;.</source>
        <translation>「%1」のあとに値がありません。</translation>
    </message>
    <message>
        <source>Unexpected value after &apos;%1&apos;.</source>
        <translation>「%1」のあとに値は付けられません。</translation>
    </message>
</context>
<context>
    <name>QuestionBank</name>
    <message>
        <source>The file cannot be opened (%1).</source>
        <translation>ファイルを開けません（%1）。</translation>
    </message>
    <message>
        <source>There is not one question line.</source>
        <translation>問題が 1 行もありません。</translation>
    </message>
    <message>
        <source>There are too many lines: at most %1 questions.</source>
        <translation>行が多すぎます。問題は %1 行までです。</translation>
    </message>
    <message>
        <source>The line is too short (only %1 characters; it needs %2 or more).</source>
        <translation>行が短すぎます（%1 文字しかありません。%2 文字以上必要です）。</translation>
    </message>
    <message>
        <source>The end marker &quot;%1&quot; is missing.</source>
        <translation>終わりの印「%1」がありません。</translation>
    </message>
    <message>
        <source>There are too many fields (%1; at most %2).</source>
        <translation>項目が多すぎます（%1 個あります。%2 個までです）。</translation>
    </message>
    <message>
        <source>The year (the third field) is not a whole number from -32768 to 32767 (&quot;%1&quot;).</source>
        <translation>年（3 番目の項目）が -32768 から 32767 までの整数ではありません（「%1」）。</translation>
    </message>
</context>
<context>
    <name>QuestionFile</name>
    <message>
        <source>the file has %1 lines; the program reads at most %2</source>
        <translation>ファイルは %1 行あります。プログラムが読むのは %2 行までです</translation>
    </message>
    <message>
        <source>%1 fields before the end marker; at most %2 are allowed</source>
        <translation>終わりの印の前に項目が %1 個あります。%2 個までです</translation>
    </message>
    <message>
        <source>no end marker &quot;%1&quot;</source>
        <translation>終わりの印「%1」がありません</translation>
    </message>
    <message>
        <source>there are no question lines</source>
        <translation>問題の行がありません</translation>
    </message>
    <message>
        <source>the line is empty</source>
        <translation>行が空です</translation>
    </message>
    <message>
        <source>characters that Shift-JIS cannot store: %1</source>
        <translation>Shift-JIS で保存できない文字があります: %1</translation>
    </message>
    <message>
        <source>the file holds no lines</source>
        <translation>ファイルに行がありません</translation>
    </message>
    <message>
        <source>bytes that are not Shift-JIS text</source>
        <translation>Shift-JIS のテキストでないバイトがあります</translation>
    </message>
    <message>
        <source>%1 characters; a stored line needs at least %2</source>
        <translation>%1 文字です。保存用の行には %2 文字以上必要です</translation>
    </message>
    <message>
        <source>the line has %1 characters; a stored line needs at least %2</source>
        <translation>行は %1 文字です。保存用の行には %2 文字以上必要です</translation>
    </message>
    <message>
        <source>%1 fields; a question has %2 (serial, group, year, name, name line 2, explanation, explanation line 2)</source>
        <translation>項目が %1 個です。問題には %2 個（通し番号、グループ、年、名前、名前の2行目、説明、説明の2行目）必要です</translation>
    </message>
    <message>
        <source>the group (field 2) is &quot;%1&quot;; it must be a whole number from 1 to %2</source>
        <translation>グループ（2 番目の項目）が「%1」です。1 から %2 までの整数でなければなりません</translation>
    </message>
    <message>
        <source>the year (field 3) is &quot;%1&quot;; it must be a whole number from %2 to %3</source>
        <translation>年（3 番目の項目）が「%1」です。%2 から %3 までの整数でなければなりません</translation>
    </message>
    <message>
        <source>the year %1 lies outside the timeline, %2 to %3</source>
        <translation>年 %1 は年表の範囲（%2 から %3）の外にあります</translation>
    </message>
    <message>
        <source> (lines %1)</source>
        <translation>（%1 行目）</translation>
    </message>
    <message>
        <source>group %1 has %2 questions%3; a test needs at least %4</source>
        <translation>グループ %1 の問題は %2 問です%3。テストには %4 問以上必要です</translation>
    </message>
</context>
<context>
    <name>RecordCommands</name>
    <message>
        <source>&quot;today&quot; and &quot;now&quot; are this date at 23:59:59 (default: the computer&apos;s clock)</source>
        <translation>「今日」と「今」をこの日の 23:59:59 とする（指定しないときはコンピューターの時計）</translation>
    </message>
    <message>
        <source>Writes the run log of the installation whose program folder is INSTALL as CSV (UTF-8 with a byte-order mark): date, time of day, pupil number, pupil name from the roster, level, level caption, result time (empty after a time-out), score and points.</source>
        <translation>プログラムフォルダが INSTALL のインストールの成績記録を CSV（BOM 付き UTF-8）で書き出します: 日付、時刻、生徒の番号、名簿の名前、レベル、レベル名、タイム（時間切れのときは空）、得点、ポイント。</translation>
    </message>
    <message>
        <source>the CSV file to write</source>
        <translation>書き込む CSV ファイル</translation>
    </message>
    <message>
        <source>written</source>
        <translation>書き込んだ</translation>
    </message>
    <message>
        <source>the installation or its run log cannot be read, or the file cannot be written</source>
        <translation>インストールか成績記録を読めない、またはファイルを書き込めない</translation>
    </message>
    <message>
        <source>cannot write %1: %2</source>
        <translation>%1 を書き込めません: %2</translation>
    </message>
    <message>
        <source>per-pupil, per-level figures of an installation&apos;s run log</source>
        <translation>インストールの成績記録の、生徒別・レベル別の数字</translation>
    </message>
    <message>
        <source>the run log of an installation as a CSV file</source>
        <translation>インストールの成績記録を CSV ファイルにする</translation>
    </message>
    <message>
        <source>Prints the run-log figures of the installation whose program folder is INSTALL, one tab-separated line per pupil and level with at least one run, in pupil then level order, as the program&apos;s screens compute them: the pupil&apos;s number and name (from the roster; empty for a number the roster does not hold), the level and its caption, the best time (empty without one), and the runs and points of all time, of the level&apos;s two rolling windows of days (window 1 and 2, their lengths set per level in タイム回数データ.txt) and of today. With --csv the same table is written to a CSV file (UTF-8 with a byte-order mark, as export and roster export write it) for a spreadsheet instead.</source>
        <translation>プログラムフォルダが INSTALL のインストールの成績記録から、プログラムの画面と同じ計算で数字を表示します。1 回以上走った生徒とレベルごとに 1 行、タブ区切りで、生徒順、その中はレベル順です: 生徒の番号と名前（名簿から。名簿にない番号では空）、レベルとその名前、ベストタイム（ないときは空）、それにすべての期間、レベルの二つの日数の期間（期間1 と期間2。長さはレベルごとにタイム回数データ.txt で決まります）、今日のそれぞれの回数とポイントです。--csv を付けると、同じ表を表示する代わりに表計算ソフト用の CSV ファイル（export や roster export と同じく BOM 付き UTF-8）に書き込みます。</translation>
    </message>
    <message>
        <source>write the table to the CSV file OUT.csv instead</source>
        <translation>表を表示する代わりに CSV ファイル OUT.csv に書き込む</translation>
    </message>
    <message>
        <source>printed (or written)</source>
        <translation>表示した（または書き込んだ）</translation>
    </message>
    <message>
        <source>number</source>
        <translation>番号</translation>
    </message>
    <message>
        <source>name</source>
        <translation>名前</translation>
    </message>
    <message>
        <source>level</source>
        <translation>レベル</translation>
    </message>
    <message>
        <source>level name</source>
        <translation>レベル名</translation>
    </message>
    <message>
        <source>best time</source>
        <translation>ベストタイム</translation>
    </message>
    <message>
        <source>runs</source>
        <translation>回数</translation>
    </message>
    <message>
        <source>points</source>
        <translation>ポイント</translation>
    </message>
    <message>
        <source>runs (window 1)</source>
        <translation>回数（期間1）</translation>
    </message>
    <message>
        <source>points (window 1)</source>
        <translation>ポイント（期間1）</translation>
    </message>
    <message>
        <source>runs (window 2)</source>
        <translation>回数（期間2）</translation>
    </message>
    <message>
        <source>points (window 2)</source>
        <translation>ポイント（期間2）</translation>
    </message>
    <message>
        <source>runs today</source>
        <translation>今日の回数</translation>
    </message>
    <message>
        <source>points today</source>
        <translation>今日のポイント</translation>
    </message>
</context>
<context>
    <name>RecordFile</name>
    <message>
        <source>short write</source>
        <translation>書き込みが途中で終わりました</translation>
    </message>
    <message>
        <source>nothing written</source>
        <translation>何も書き込めませんでした</translation>
    </message>
</context>
<context>
    <name>ReportCommand</name>
    <message>
        <source>Writes the printed report of a pupil of the installation whose program folder is INSTALL as a PDF of A4 pages: for each level, the pupil&apos;s record curve and the table of runs, ranks, best and average times and points, three levels to a page. Runs of the 3650 days before &quot;now&quot; count. Nothing is written when anything is missing or wrong.</source>
        <translation>プログラムフォルダが INSTALL のインストールの生徒一人の個人成績表を、A4 の PDF に書き出します: レベルごとに、記録のグラフと、回数、順位、最高と平均のタイム、ポイントの表を、1 ページに 3 レベルずつ。「今」より前の 3650 日の記録が入ります。足りないものや誤りがあるときは何も書き込みません。</translation>
    </message>
    <message>
        <source>the PDF file to write</source>
        <translation>書き込む PDF ファイル</translation>
    </message>
    <message>
        <source>the pupil&apos;s roster number (required)</source>
        <translation>生徒の名簿の番号（必須）</translation>
    </message>
    <message>
        <source>the levels, comma-separated; default 1,2,3</source>
        <translation>レベル（コンマ区切り、指定しないときは 1,2,3）</translation>
    </message>
    <message>
        <source>&quot;now&quot; is this date at 23:59:59 (default: the computer&apos;s clock)</source>
        <translation>「今」をこの日の 23:59:59 とする（指定しないときはコンピューターの時計）</translation>
    </message>
    <message>
        <source>written</source>
        <translation>書き込んだ</translation>
    </message>
    <message>
        <source>something is missing or wrong (named), or the PDF cannot be written</source>
        <translation>足りないものや誤りがある（表示されます）、または PDF を書き込めない</translation>
    </message>
    <message>
        <source>give the pupil with --pupil N</source>
        <translation>生徒を --pupil N で指定してください</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a roster number</source>
        <translation>「%1」は名簿の番号ではありません</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a list of level numbers such as 1,2,3</source>
        <translation>「%1」は 1,2,3 のようなレベルの番号の並びではありません</translation>
    </message>
    <message>
        <source>there is no level %1; the levels are 1 to %2</source>
        <translation>レベル %1 はありません。レベルは 1 から %2 です</translation>
    </message>
    <message>
        <source>there is no run log at %1</source>
        <translation>%1 に成績記録がありません</translation>
    </message>
    <message>
        <source>there is no roster at %1</source>
        <translation>%1 に名簿がありません</translation>
    </message>
    <message>
        <source>pupil %1 is not in the roster %2</source>
        <translation>生徒 %1 は名簿 %2 にいません</translation>
    </message>
    <message>
        <source>cannot write %1</source>
        <translation>%1 を書き込めません</translation>
    </message>
    <message>
        <source>a pupil&apos;s printed report as a PDF file</source>
        <translation>生徒の個人成績表を PDF ファイルにする</translation>
    </message>
    <message>
        <source>Writes the overview of a class of the installation whose program folder is INSTALL: one row per pupil listed on the start screen (of the class LABEL of the class map, or every listed pupil), and for each test level the best time, the number of runs that count and whether the level is cleared, as the program computes them; the class&apos;s median per level last (of the best times of the pupils who have one, and of the run counts of all). OUT.pdf is A4 landscape with the header on every page; OUT.xlsx an Excel workbook; OUT.csv CSV (UTF-8 with a byte-order mark). The file appears whole or not at all.</source>
        <translation>プログラムフォルダが INSTALL のインストールについて、クラスの一覧表を書きます。開始画面に出る生徒（クラス表のクラス LABEL の生徒、指定がなければ出る生徒全員）ごとに1行、テストのレベルごとにベストタイム、数に入る回数、レベルをクリアしたかを、プログラムと同じ計算で示し、最後にレベルごとのクラスの中央値（ベストタイムはタイムのある生徒の、回数は全員の）を置きます。OUT.pdf は A4 横で各ページに見出し付き、OUT.xlsx は Excel ブック、OUT.csv は CSV （UTF-8、BOM 付き）です。ファイルは全部書けたときだけ現れます。</translation>
    </message>
    <message>
        <source>the file to write; its ending chooses the kind</source>
        <translation>書くファイル。拡張子で種類を選びます</translation>
    </message>
    <message>
        <source>only the pupils of this class (roster classes lists them)</source>
        <translation>このクラスの生徒だけ （roster classes で一覧できます）</translation>
    </message>
    <message>
        <source>&quot;today&quot; and &quot;now&quot; are this date at 23:59:59 (default: the computer&apos;s clock)</source>
        <translation>「今日」と「今」をこの日の 23:59:59 とする（指定しないときはコンピューターの時計）</translation>
    </message>
    <message>
        <source>something is missing or wrong (named), or the file cannot be written</source>
        <translation>何かが足りないか誤っている （名前を示します）、またはファイルを書けない</translation>
    </message>
    <message>
        <source>%1 does not end in .pdf, .xlsx or .csv</source>
        <translation>%1 の末尾が .pdf、.xlsx、.csv のどれでもありません</translation>
    </message>
    <message>
        <source>there is no class &quot;%1&quot;: %2 holds no classes</source>
        <translation>クラス「%1」はありません: %2 にクラスがありません</translation>
    </message>
    <message>
        <source>there is no class &quot;%1&quot; in %2; the classes are %3</source>
        <translation>%2 にクラス「%1」はありません。クラスは %3 です</translation>
    </message>
    <message>
        <source>%1 class overview: %2</source>
        <translation>%1 クラス一覧: %2</translation>
    </message>
    <message>
        <source>all pupils</source>
        <translation>全員</translation>
    </message>
    <message>
        <source>cannot write %1: %2</source>
        <translation>%1 を書き込めません: %2</translation>
    </message>
    <message>
        <source>wrote %1: %2 pupils, %3 test levels</source>
        <translation>%1 を書きました: 生徒 %2 人、テストのレベル %3</translation>
    </message>
    <message>
        <source>a class&apos;s best times, runs and cleared levels as a PDF, Excel or CSV file</source>
        <translation>クラスのベストタイム・回数・クリアを PDF、Excel、CSV ファイルに</translation>
    </message>
</context>
<context>
    <name>ReportPdf</name>
    <message>
        <source>: the report could not be drawn</source>
        <translation>: 成績表を描けませんでした</translation>
    </message>
</context>
<context>
    <name>RosterCommands</name>
    <message>
        <source>the class list (.xlsx, .csv, .txt)</source>
        <translation>クラス名簿（.xlsx、.csv、.txt）</translation>
    </message>
    <message>
        <source>the class of the list&apos;s rows that name none (such as 6-1)</source>
        <translation>クラスの書かれていない行のクラス（6-1 など）</translation>
    </message>
    <message>
        <source>the roster number of list number 1 of a new class, or of a list without class</source>
        <translation>新しいクラス、またはクラスのない名簿の、出席番号 1 の生徒の番号</translation>
    </message>
    <message>
        <source>a number whose pupil has another name takes the list&apos;s name</source>
        <translation>番号の生徒が別の名前のとき、名簿の名前に変える</translation>
    </message>
    <message>
        <source>the workbook&apos;s sheet to read</source>
        <translation>読むシート</translation>
    </message>
    <message>
        <source>print what the import would add, update, rename and refuse, and write nothing</source>
        <translation>取り込みで加える、更新する、名前を変える、拒否するものを表示し、何も書き込まない</translation>
    </message>
    <message>
        <source>imported (or nothing to change)</source>
        <translation>取り込んだ（または変えることがない）</translation>
    </message>
    <message>
        <source>refused (bad rows, conflicts, classes that meet) or failed; the roster is unchanged</source>
        <translation>拒否した（誤りのある行、衝突、重なるクラス）か失敗した。名簿は元のまま</translation>
    </message>
    <message>
        <source>Writes the roster&apos;s pupils with the columns クラス, 番号, 氏名 and 生年, which roster import reads back without a change: a pupil of a class with its class and list number, any other with its roster number. OUT ending in .xlsx is an Excel workbook; any other name gets CSV (UTF-8 with a byte-order mark), in which a name that starts with =, +, - or @ is written after an apostrophe, so that a spreadsheet shows it rather than running it.</source>
        <translation>名簿の生徒を、クラス、番号、氏名、生年の列で書き出します。roster import で読み戻しても何も変わりません: クラスの生徒はクラスと出席番号で、ほかの生徒は名簿の番号で書きます。OUT の名前が .xlsx で終わるときは Excel ブックに、ほかの名前のときは CSV（BOM 付き UTF-8）にします。CSV では、=、+、-、@ で始まる名前の前にアポストロフィを付けるので、表計算ソフトは式として実行せずにそのまま表示します。</translation>
    </message>
    <message>
        <source>the file to write (.csv or .xlsx)</source>
        <translation>書き込むファイル（.csv か .xlsx）</translation>
    </message>
    <message>
        <source>written</source>
        <translation>書き込んだ</translation>
    </message>
    <message>
        <source>the roster cannot be read or the file cannot be written</source>
        <translation>名簿を読めない、またはファイルを書き込めない</translation>
    </message>
    <message>
        <source>Lists the classes of the installation whose program folder is INSTALL (生徒用名簿クラス.txt beside the roster), each with its block of roster numbers and how many pupils of the roster it holds.</source>
        <translation>プログラムフォルダが INSTALL のインストールのクラス（名簿の隣の生徒用名簿クラス.txt）を、それぞれの番号の範囲と、名簿にいる生徒の数とともに示します。</translation>
    </message>
    <message>
        <source>listed</source>
        <translation>示した</translation>
    </message>
    <message>
        <source>the class map cannot be read or is damaged</source>
        <translation>クラスの記録を読めない、または壊れている</translation>
    </message>
    <message>
        <source>the runs in the run log cannot be counted: %1</source>
        <translation>成績記録の回数を数えられません: %1</translation>
    </message>
    <message>
        <source>runs in the run log not known</source>
        <translation>成績記録の回数は不明</translation>
    </message>
    <message>
        <source>1 run in the run log</source>
        <translation>成績記録 1 回</translation>
    </message>
    <message>
        <source>%1 runs in the run log</source>
        <translation>成績記録 %1 回</translation>
    </message>
    <message>
        <source>%1 (%2 no. %3)</source>
        <translation>%1（%2 の %3 番）</translation>
    </message>
    <message>
        <source>%1 (born %2)</source>
        <translation>%1（%2 生まれ）</translation>
    </message>
    <message>
        <source>the list without class: roster numbers %1 to %2</source>
        <translation>クラスのない名簿: 番号 %1 から %2</translation>
    </message>
    <message>
        <source>class %1: list numbers 1 to %2 are roster numbers %3 to %4</source>
        <translation>クラス %1: 出席番号 1 から %2 を番号 %3 から %4 にする</translation>
    </message>
    <message>
        <source>add %1: %2, birth year %3</source>
        <translation>追加 %1: %2、生まれた年 %3</translation>
    </message>
    <message>
        <source>update %1: name %2, birth year %3</source>
        <translation>更新 %1: 名前 %2、生まれた年 %3</translation>
    </message>
    <message>
        <source>update %1: %2, birth year %3 → %4</source>
        <translation>更新 %1: %2、生まれた年 %3 → %4</translation>
    </message>
    <message>
        <source>rename %1: %2 → %3, birth year %4 (%5)</source>
        <translation>名前の変更 %1: %2 → %3、生まれた年 %4（%5）</translation>
    </message>
    <message>
        <source>conflict %1: %2 in the roster, %3 in the list (%4)</source>
        <translation>衝突 %1: 名簿では %2、取り込む名簿では %3（%4）</translation>
    </message>
    <message>
        <source>the roster is unchanged: 1 number of the list belongs to another pupil.</source>
        <translation>名簿は元のままです: 取り込む名簿の番号 1 個が、別の生徒の番号です。</translation>
    </message>
    <message>
        <source>the roster is unchanged: %1 numbers of the list belong to other pupils.</source>
        <translation>名簿は元のままです: 取り込む名簿の番号 %1 個が、別の生徒の番号です。</translation>
    </message>
    <message>
        <source>%1 added, %2 updated, %3 renamed, %4 unchanged</source>
        <translation>追加 %1 人、更新 %2 人、名前の変更 %3 人、変更なし %4 人</translation>
    </message>
    <message>
        <source>--class: %1</source>
        <translation>--class: %1</translation>
    </message>
    <message>
        <source>--number-from needs a whole number from 1 to %1</source>
        <translation>--number-from には 1 から %1 までの整数を指定してください</translation>
    </message>
    <message>
        <source>cannot read %1: %2</source>
        <translation>%1 を読めません: %2</translation>
    </message>
    <message>
        <source>%1: %2; header on line %3: %4; %5 pupils</source>
        <translation>%1: %2。見出しは %3 行目: %4。生徒 %5 人</translation>
    </message>
    <message>
        <source>the roster is unchanged (1 bad line)</source>
        <translation>名簿は元のままです（誤りのある行 1 行）</translation>
    </message>
    <message>
        <source>the roster is unchanged (%1 bad lines)</source>
        <translation>名簿は元のままです（誤りのある行 %1 行）</translation>
    </message>
    <message>
        <source>dry run: nothing was written</source>
        <translation>試しの実行: 何も書き込んでいません</translation>
    </message>
    <message>
        <source>%1: would be %2</source>
        <translation>%1: 実行すると %2</translation>
    </message>
    <message>
        <source>the roster already holds these %1 pupils; nothing to change</source>
        <translation>名簿にはすでにこの %1 人がいます。変えることはありません</translation>
    </message>
    <message>
        <source>classes kept in %1</source>
        <translation>クラスを %1 に記録しました</translation>
    </message>
    <message>
        <source>there is no roster %1</source>
        <translation>名簿 %1 がありません</translation>
    </message>
    <message>
        <source>cannot write %1: %2</source>
        <translation>%1 を書き込めません: %2</translation>
    </message>
    <message>
        <source>wrote %1 pupils to %2</source>
        <translation>%1 人を %2 に書き込みました</translation>
    </message>
    <message>
        <source>no classes yet: %1 is not there; roster import --class makes it</source>
        <translation>クラスはまだありません: %1 がありません。roster import --class で作られます</translation>
    </message>
    <message>
        <source>%1: roster numbers %2 to %3, %4 pupils in the roster</source>
        <translation>%1: 番号 %2 から %3、名簿に %4 人</translation>
    </message>
    <message>
        <source>bring a class list (Excel or CSV) into an installation&apos;s roster</source>
        <translation>クラス名簿（Excel か CSV）をインストールの名簿に取り込む</translation>
    </message>
    <message>
        <source>write an installation&apos;s roster as CSV or an Excel workbook</source>
        <translation>インストールの名簿を CSV か Excel ブックに書き出す</translation>
    </message>
    <message>
        <source>list the classes of an installation&apos;s roster and their numbers</source>
        <translation>インストールの名簿のクラスとその番号を示す</translation>
    </message>
    <message>
        <source>Brings a class list into the roster 生徒用名簿.txt of the installation whose program folder is INSTALL.

FILE is an Excel workbook (.xlsx; its first sheet, or the one --sheet names) or CSV or tab text as a spreadsheet saves it: UTF-8 with or without a byte-order mark, UTF-16 (&quot;Unicode text&quot;) or Shift-JIS, separated by commas, tabs or semicolons. The header row, which may stand below a title and blank rows, names the columns: the number (出席番号, 番号, No, 学籍番号), the name (氏名, 名前, 児童名, 生徒名; or 姓 and 名) and the birth (生年月日, 誕生日, 生年), and where the list holds several classes, the class (クラス, or 学年 and 組). Other columns (ふりがな, ...) are ignored.

The birth is a full date, Western or of a Japanese era (2013/4/5, 2013-04-05, 2013年4月5日, 平成25年4月5日, H25.4.5, R2.4.1; full-width digits too), or a bare year. From a date the roster&apos;s birth year is worked out: a pupil born before the second day of the month the school year starts in (共通データ.txt; from 1 January to 1 April when it starts in April) is entered with the year before, so that pupils of one grade share a year. A bare year is taken as the roster keeps it: for a pupil born from 1 January to 1 April give the year before, or give the date.

A class (--class, or the class columns) holds a block of roster numbers, kept in 生徒用名簿クラス.txt beside the roster: its list number 1 is the first number of its block. A new class starts at --number-from (default 1), the further new classes of one list one after the other, and may not meet the block of another class; a later list of the same class uses its block again. Without a class, the list&apos;s numbers are roster numbers (from --number-from on, when given).

A new number is added. A number whose pupil has the list&apos;s name gets the list&apos;s birth year (an update). A number whose pupil has another name is a conflict: every conflict is listed (the number, the name now and in the list, and the runs the number has in the run log) and nothing is changed, unless --rename says that these pupils did change their names. Every row is checked first; any bad row is listed with its line and nothing is changed. Otherwise, while no other writer of the roster may work, the roster is read again, the import is made and the roster is replaced whole; only then is the old roster kept as 生徒用名簿temp.txt. A write that fails leaves its file as it was.</source>
        <translation>クラス名簿を、プログラムフォルダが INSTALL のインストールの生徒用名簿.txt に取り込みます。

FILE は Excel ブック（.xlsx。最初のシート、または --sheet で指定したシート）か、表計算ソフトが保存した CSV・タブ区切りのテキストです。文字コードは UTF-8（BOM があってもなくても）、UTF-16（「Unicode テキスト」）、Shift-JIS のどれか、区切りはコンマ、タブ、セミコロンのどれかです。見出しの行（上に表題や空の行があってもかまいません）で列を示します: 番号（出席番号、番号、No、学籍番号）、名前（氏名、名前、児童名、生徒名、または姓と名）、生まれ（生年月日、誕生日、生年）、それに名簿に複数のクラスがあるときはクラス（クラス、または学年と組）。ほかの列（ふりがななど）は読みません。

生まれは、西暦か和暦の日付（2013/4/5、2013-04-05、2013年4月5日、平成25年4月5日、H25.4.5、R2.4.1。全角の数字も可）か、年だけです。日付からは名簿の生まれた年を求めます: 年度の始まる月（共通データ.txt）の 2 日より前に生まれた生徒（4 月始まりなら 1 月 1 日から 4 月 1 日まで）は前の年として入るので、同じ学年の生徒は同じ年になります。年だけのときは、名簿に入れる年そのものとして扱います: 1 月 1 日から 4 月 1 日までに生まれた生徒には前の年を書くか、日付を書いてください。

クラス（--class、またはクラスの列）は、名簿の番号のひと続きを持ちます。これは名簿の隣の生徒用名簿クラス.txt に記録され、クラスの出席番号 1 がその最初の番号になります。新しいクラスは --number-from（指定しないときは 1）から始まり、一つの名簿に新しいクラスがいくつもあるときは順に続けて番号を決めます。ほかのクラスの番号と重なってはいけません。同じクラスの名簿をあとで取り込むと、同じ番号を使います。クラスがないときは、名簿の番号がそのまま生徒の番号になります（--number-from があればそこから）。

新しい番号は加えます。番号の生徒が名簿と同じ名前なら、生まれた年を名簿に合わせます（更新）。番号の生徒が別の名前なら衝突です: 衝突はすべて（番号、今の名前と名簿の名前、その番号の成績記録の回数）示し、何も変えません。ただし --rename で、これらの生徒の名前が本当に変わったことを示したときは別です。すべての行を先に調べ、誤りのある行があれば行番号とともに示して何も変えません。誤りがなければ、ほかに名簿を書き込む人がいない間に名簿を読み直して取り込み、名簿をまるごと置き換えます。そのあとで初めて元の名簿を生徒用名簿temp.txt として残します。書き込みに失敗したファイルは元のままです。</translation>
    </message>
    <message>
        <source> If the list is another class, give it numbers of its own with --class LABEL and --number-from %1 (the first free number); if these pupils did change their names, give --rename.</source>
        <translation>別のクラスの名簿なら、--class クラス名 と --number-from %1（空いている最初の番号）で、そのクラスの番号を決めてください。これらの生徒の名前が本当に変わったのなら、--rename を付けてください。</translation>
    </message>
    <message>
        <source> If these pupils did change their names, give --rename.</source>
        <translation>これらの生徒の名前が本当に変わったのなら、--rename を付けてください。</translation>
    </message>
</context>
<context>
    <name>RosterExport</name>
    <message>
        <source>no temporary folder for the workbook (%1)</source>
        <translation>ブックを作る一時フォルダがありません（%1）</translation>
    </message>
    <message>
        <source>the workbook cannot be made</source>
        <translation>ブックを作れません</translation>
    </message>
    <message>
        <source>the workbook cannot be made (%1)</source>
        <translation>ブックを作れません（%1）</translation>
    </message>
    <message>
        <source>the workbook cannot be read back (%1)</source>
        <translation>作ったブックを読めません（%1）</translation>
    </message>
</context>
<context>
    <name>RosterFile</name>
    <message>
        <source> This line&apos;s pupil is not used.</source>
        <translation>この行の生徒は使いません。</translation>
    </message>
    <message>
        <source>The file cannot be opened (%1).</source>
        <translation>ファイルを開けません（%1）。</translation>
    </message>
    <message>
        <source>There must be %1 values, but there are %2.</source>
        <translation>値が %1 個必要ですが、%2 個あります。</translation>
    </message>
    <message>
        <source>The number &quot;%1&quot; is not a whole number from 1 to %2.</source>
        <translation>番号「%1」は 1 から %2 までの整数ではありません。</translation>
    </message>
    <message>
        <source>The birth year &quot;%1&quot; is not a whole number.</source>
        <translation>生まれた年「%1」が整数ではありません。</translation>
    </message>
    <message>
        <source>The list flag &quot;%1&quot; is not a whole number.</source>
        <translation>表示の区分「%1」が整数ではありません。</translation>
    </message>
</context>
<context>
    <name>RosterImport</name>
    <message>
        <source>the list without class</source>
        <translation>クラスのない名簿</translation>
    </message>
    <message>
        <source>the class %1</source>
        <translation>クラス %1</translation>
    </message>
    <message>
        <source>the class %1 holds the numbers from %2 on (%3); it keeps them, so --number-from %4 cannot move it</source>
        <translation>クラス %1 は番号 %2 からを持っています（%3）。番号は変わらないので、--number-from %4 で動かすことはできません</translation>
    </message>
    <message>
        <source>%1 would need the numbers %2 to %3, but the roster&apos;s numbers end at %4</source>
        <translation>%1には番号 %2 から %3 が必要ですが、名簿の番号は %4 までです</translation>
    </message>
    <message>
        <source>the class %1 would take the numbers %2 to %3, which meet those of the class %4 (%5 to %6)</source>
        <translation>クラス %1 は番号 %2 から %3 を使うことになりますが、クラス %4 の番号（%5 から %6）と重なります</translation>
    </message>
    <message>
        <source>lines %1 and %2 of the list would both be number %3</source>
        <translation>取り込む名簿の %1 行目と %2 行目が、どちらも番号 %3 になります</translation>
    </message>
    <message>
        <source>the class map %1 has damaged lines (listed above); mend or remove them first, so that writing it loses nothing</source>
        <translation>クラスの記録 %1 に壊れた行があります（上に示します）。書き込んで何かが失われないよう、先に直すか取り除いてください</translation>
    </message>
    <message>
        <source>cannot write %1 (%2); the roster is unchanged</source>
        <translation>%1 を書き込めません（%2）。名簿は元のままです</translation>
    </message>
    <message>
        <source>the roster %1 is written, but the old roster cannot be kept as %2 (%3); %2 still holds an older roster</source>
        <translation>名簿 %1 は書き込みましたが、元の名簿を %2 として残せません（%3）。%2 には前の名簿が残っています</translation>
    </message>
    <message>
        <source>the roster %1 stayed locked by another writer; the roster is unchanged</source>
        <translation>名簿 %1 をほかの人が書き込み中のままでした。名簿は元のままです</translation>
    </message>
    <message>
        <source>cannot lock %1 (%2); the roster is unchanged</source>
        <translation>%1 で鍵をかけられません（%2）。名簿は元のままです</translation>
    </message>
    <message>
        <source>cannot read %1 (%2); the roster is unchanged</source>
        <translation>%1 を読めません（%2）。名簿は元のままです</translation>
    </message>
    <message>
        <source>cannot write %1 (%2); the roster and its classes are unchanged</source>
        <translation>%1 を書き込めません（%2）。名簿とクラスは元のままです</translation>
    </message>
</context>
<context>
    <name>SchoolBackup</name>
    <message>
        <source>%1 is %2, not a file of the installation; nothing is copied through it</source>
        <translation>%1 は%2で、インストールのファイルではありません。これを通して写すことはしません</translation>
    </message>
    <message>
        <source>cannot open %1: %2</source>
        <translation>%1 を開けません: %2</translation>
    </message>
    <message>
        <source>cannot lock %1: %2</source>
        <translation>%1 に鍵をかけられません: %2</translation>
    </message>
    <message>
        <source>%1 stayed locked by another program for %2 seconds</source>
        <translation>%1 は %2 秒の間、ほかのプログラムが鍵をかけたままでした</translation>
    </message>
    <message>
        <source>cannot read %1: %2</source>
        <translation>%1 を読めません: %2</translation>
    </message>
    <message>
        <source>%1 is %2, not a file of the installation</source>
        <translation>%1 は%2で、インストールのファイルではありません</translation>
    </message>
    <message>
        <source>cannot make %1: %2</source>
        <translation>%1 を作れません: %2</translation>
    </message>
    <message>
        <source>%1 line %2 is damaged</source>
        <translation>%1 の %2 行目が壊れています</translation>
    </message>
    <message>
        <source>%1: the path leaves the backup; not read</source>
        <translation>%1: バックアップの外を指しているので読みません</translation>
    </message>
    <message>
        <source>%1: %2 is %3 in the backup, not a folder; not read</source>
        <translation>%1: %2 はバックアップの中で%3で、フォルダではないので読みません</translation>
    </message>
    <message>
        <source>%1: cannot open the folder %2: %3</source>
        <translation>%1: フォルダ %2 を開けません: %3</translation>
    </message>
    <message>
        <source>%1: %2 in the backup, not a file; not read</source>
        <translation>%1: バックアップの中で%2で、ファイルではないので読みません</translation>
    </message>
    <message>
        <source>%1: cannot read: %2</source>
        <translation>%1: 読めません: %2</translation>
    </message>
    <message>
        <source>%1: replaced while it was checked; not read</source>
        <translation>%1: 確かめている間に置き換えられたので読みません</translation>
    </message>
    <message>
        <source>%1: %2 bytes, the backup had %3</source>
        <translation>%1: %2 バイトです。バックアップのときは %3 バイトでした</translation>
    </message>
    <message>
        <source>%1: the checksum differs from the backup&apos;s</source>
        <translation>%1: チェックサムがバックアップのときと違います</translation>
    </message>
    <message>
        <source>cannot make the folder %1</source>
        <translation>フォルダ %1 を作れません</translation>
    </message>
    <message>
        <source>cannot make a working folder in %1: %2</source>
        <translation>%1 に作業フォルダを作れません: %2</translation>
    </message>
    <message>
        <source>no backup was made</source>
        <translation>バックアップは作っていません</translation>
    </message>
    <message>
        <source>cannot make the folder %1: %2</source>
        <translation>フォルダ %1 を作れません: %2</translation>
    </message>
    <message>
        <source>cannot write %1: %2</source>
        <translation>%1 を書き込めません: %2</translation>
    </message>
    <message>
        <source>the copy %1 does not read back as written</source>
        <translation>写し %1 が書いたとおりに読み戻せません</translation>
    </message>
    <message>
        <source>cannot rename %1 to %2: %3</source>
        <translation>%1 を %2 に名前を変えられません: %3</translation>
    </message>
    <message>
        <source>cannot name %1</source>
        <translation>%1 に名前を付けられません</translation>
    </message>
    <message>
        <source>%1 has no %2: it is not a backup</source>
        <translation>%1 に %2 がないので、バックアップではありません</translation>
    </message>
    <message>
        <source>%1 is larger than a manifest can be: it is not a backup</source>
        <translation>%1 は目録としては大きすぎるので、バックアップではありません</translation>
    </message>
    <message>
        <source>%1 lists no files</source>
        <translation>%1 にファイルが一つも書かれていません</translation>
    </message>
    <message>
        <source>a link</source>
        <translation>リンク</translation>
    </message>
    <message>
        <source>a folder</source>
        <translation>フォルダ</translation>
    </message>
    <message>
        <source>a pipe</source>
        <translation>パイプ</translation>
    </message>
    <message>
        <source>a device</source>
        <translation>デバイス</translation>
    </message>
    <message>
        <source>not a regular file</source>
        <translation>普通のファイルでないもの</translation>
    </message>
    <message>
        <source>%1: missing</source>
        <translation>%1: ありません</translation>
    </message>
    <message>
        <source>cannot remove the old backup %1: %2</source>
        <translation>古いバックアップ %1 を取り除けません: %2</translation>
    </message>
</context>
<context>
    <name>SchoolCheck</name>
    <message>
        <source>group %1, mode %2</source>
        <translation>グループ %1、モード %2</translation>
    </message>
    <message>
        <source>pass through it</source>
        <translation>通り抜ける</translation>
    </message>
    <message>
        <source>open it</source>
        <translation>開く</translation>
    </message>
    <message>
        <source>read it</source>
        <translation>読む</translation>
    </message>
    <message>
        <source>make files in it</source>
        <translation>ファイルを作る</translation>
    </message>
    <message>
        <source>write it</source>
        <translation>書き込む</translation>
    </message>
    <message>
        <source>a member of the group %1 cannot %2 (%3)</source>
        <translation>グループ %1 の人が%2ことができません（%3）</translation>
    </message>
    <message>
        <source>files made in it would not get the group %1 (%2, no set-group-ID bit for it)</source>
        <translation>中に作ったファイルがグループ %1 のものになりません（%2、set-group-ID ビットがありません）</translation>
    </message>
    <message>
        <source>there is no group &quot;%1&quot; on this machine</source>
        <translation>このコンピューターに「%1」というグループはありません</translation>
    </message>
    <message>
        <source>give a group that exists</source>
        <translation>あるグループを指定してください</translation>
    </message>
    <message>
        <source>this account</source>
        <translation>このアカウント</translation>
    </message>
    <message>
        <source>is not a member of the group %1</source>
        <translation>はグループ %1 に入っていません</translation>
    </message>
    <message>
        <source>add it to the group (usermod -aG) and log in again</source>
        <translation>グループに加えて（usermod -aG）ログインし直してください</translation>
    </message>
    <message>
        <source>look at it by hand</source>
        <translation>手で調べてください</translation>
    </message>
    <message>
        <source>--fix does not make it</source>
        <translation>--fix では作りません</translation>
    </message>
    <message>
        <source>is a symbolic link</source>
        <translation>はシンボリックリンクです</translation>
    </message>
    <message>
        <source>check where it leads by hand</source>
        <translation>どこを指しているか手で確かめてください</translation>
    </message>
    <message>
        <source>it is outside the installation: change it by hand</source>
        <translation>インストールの外にあるので、手で変えてください</translation>
    </message>
    <message>
        <source> or </source>
        <translation>・</translation>
    </message>
    <message>
        <source>missing</source>
        <translation>ありません</translation>
    </message>
</context>
<context>
    <name>SchoolCommands</name>
    <message>
        <source>the folder to create the installation in</source>
        <translation>インストールを作るフォルダ</translation>
    </message>
    <message>
        <source>the school&apos;s name (required)</source>
        <translation>学校名（必須）</translation>
    </message>
    <message>
        <source>the school&apos;s five-character code (required)</source>
        <translation>学校の 5 文字のコード（必須）</translation>
    </message>
    <message>
        <source>1 (default) or 0, as above</source>
        <translation>1（既定）か 0（上の説明のとおり）</translation>
    </message>
    <message>
        <source>the installation whose content is copied</source>
        <translation>中身を写すインストール</translation>
    </message>
    <message>
        <source>created</source>
        <translation>作った</translation>
    </message>
    <message>
        <source>refused or failed (nothing is left behind)</source>
        <translation>拒否したか失敗した（何も残りません）</translation>
    </message>
    <message>
        <source>the folder the backup is made in</source>
        <translation>バックアップを作るフォルダ</translation>
    </message>
    <message>
        <source>check the backup BACKUP_FOLDER instead</source>
        <translation>代わりにバックアップ BACKUP_FOLDER を確かめる</translation>
    </message>
    <message>
        <source>done (or the backup is intact)</source>
        <translation>完了（またはバックアップに傷がない）</translation>
    </message>
    <message>
        <source>failed (or a file differs)</source>
        <translation>失敗（またはファイルが違う）</translation>
    </message>
    <message>
        <source>give DIR, --name and --code</source>
        <translation>DIR、--name、--code を指定してください</translation>
    </message>
    <message>
        <source>--folder-mode is 1 or 0</source>
        <translation>--folder-mode は 1 か 0 です</translation>
    </message>
    <message>
        <source>the demo that comes with the program was not found; give --from</source>
        <translation>プログラムに付いているデモが見つかりません。--from を指定してください</translation>
    </message>
    <message>
        <source>or with the launcher %1</source>
        <translation>またはランチャー %1</translation>
    </message>
    <message>
        <source>--check takes the backup folder alone</source>
        <translation>--check にはバックアップフォルダだけを指定してください</translation>
    </message>
    <message>
        <source>%1: %2 files intact</source>
        <translation>%1: %2 個のファイルに傷はありません</translation>
    </message>
    <message>
        <source>give the program folder and the destination folder</source>
        <translation>プログラムフォルダと写し先のフォルダを指定してください</translation>
    </message>
    <message>
        <source>removed %1, left by a backup that was stopped</source>
        <translation>途中で止まったバックアップが残した %1 を取り除きました</translation>
    </message>
    <message>
        <source>copied and verified %1</source>
        <translation>%1 を写して確かめました</translation>
    </message>
    <message>
        <source>not in the installation (yet): %1</source>
        <translation>インストールに（まだ）ありません: %1</translation>
    </message>
    <message>
        <source>backup in %1</source>
        <translation>バックアップは %1 にあります</translation>
    </message>
    <message>
        <source>create a school&apos;s own installation</source>
        <translation>学校のインストールを作る</translation>
    </message>
    <message>
        <source>copy an installation&apos;s records and settings, or --check a copy</source>
        <translation>インストールの記録と設定を写す、または写しを --check で確かめる</translation>
    </message>
    <message>
        <source>Creates a school&apos;s installation in DIR (a new folder, or an empty one): the program folder DIR/tavrel (設定.txt, タイム回数データ.txt, the stored question file, the help page, the run log) and the shared folder, DIR/files with folder mode 1 (the default) or DIR itself with folder mode 0 (sounds then in DIR/音フォルダ), holding 共通データ.txt with the school&apos;s name and five-character code, the sound table and sounds, the roster and its backup and the home run log. The run logs, the roster and its backup are made empty, so that every pupil&apos;s account can write them from the first run on.

Everything belongs to GROUP (a group&apos;s name or number; default: the group of DIR, or of the folder DIR is made in): folders are group-writable with the set-group-ID bit, files group-writable. Put the pupils&apos; and teachers&apos; accounts in that group.

The school is registered under NAME in /etc/xdg/tavrel/schools when run as root (else in ~/.config/tavrel/schools), and DIR/tavrel.desktop is a launcher that starts tavrel by that name, so that it works on every PC that registered the school, wherever that PC mounts the share (see register-school). --menu also puts the launcher into the applications menu of every account (as root; otherwise only this account&apos;s).

The content is copied from the installation whose program folder is PROGRAM_FOLDER (default: the demo that comes with the program). The installation is built beside DIR and takes its place only when complete: a failure or an interruption leaves nothing. An existing installation is never overwritten.</source>
        <translation>DIR（新しいフォルダか空のフォルダ）に学校のインストールを作ります: プログラムフォルダ DIR/tavrel（設定.txt、タイム回数データ.txt、保存用の問題ファイル、ヘルプのページ、成績記録）と共有フォルダです。共有フォルダはフォルダモード 1（既定）なら DIR/files、0 なら DIR そのもの（音は DIR/音フォルダ）で、学校名と 5 文字のコードを書いた共通データ.txt、音の表と音、名簿とその控え、家庭用の成績記録が入ります。成績記録、名簿とその控えは空で作るので、どの生徒のアカウントも最初の記録から書き込めます。

すべてグループ GROUP（グループの名前か番号。指定しないときは DIR、または DIR を作るフォルダのグループ）のものになります: フォルダはグループが書き込めて set-group-ID ビット付き、ファイルはグループが書き込めます。生徒と先生のアカウントをそのグループに入れてください。

学校は NAME で、root で実行したときは /etc/xdg/tavrel/schools に（そうでなければ ~/.config/tavrel/schools に）登録されます。DIR/tavrel.desktop はその名前で tavrel を起動するランチャーなので、学校を登録したどの PC でも、共有フォルダをどこに置いても動きます（register-school を参照）。--menu を付けると、ランチャーをすべてのアカウントの（root でないときはこのアカウントの）アプリケーションメニューにも入れます。

中身はプログラムフォルダが PROGRAM_FOLDER のインストール（指定しないときはプログラムに付いているデモ）から写します。インストールは DIR の隣で作り、できあがってから DIR に置くので、失敗や中断で何かが残ることはありません。すでにあるインストールを上書きすることはありません。</translation>
    </message>
    <message>
        <source>the group every file and folder belongs to, by name or number</source>
        <translation>すべてのファイルとフォルダのグループ（名前か番号）</translation>
    </message>
    <message>
        <source>also put the launcher into the applications menu</source>
        <translation>ランチャーをアプリケーションメニューにも入れる</translation>
    </message>
    <message>
        <source>--group needs a group&apos;s name or number</source>
        <translation>--group にはグループの名前か番号を指定してください</translation>
    </message>
    <message>
        <source>created the installation %1 for the group %2</source>
        <translation>グループ %2 のインストール %1 を作りました</translation>
    </message>
    <message>
        <source>registered as &quot;%1&quot; in %2</source>
        <translation>「%1」として %2 に登録しました</translation>
    </message>
    <message>
        <source>start it with: %1 --school %2 (or %1 %3)</source>
        <translation>起動のしかた: %1 --school %2（または %1 %3）</translation>
    </message>
    <message>
        <source>and from the applications menu: %1</source>
        <translation>アプリケーションメニューからも: %1</translation>
    </message>
    <message>
        <source>Copies the run log, the home run log, the roster (and its backup and its classes) and the settings files (設定.txt, 共通データ.txt, タイム回数データ.txt, 新音ファイル.txt) and the question file (Morvidかな0vv.ccc) of the installation whose program folder is PROGRAM_FOLDER into a new folder DEST/tavrel-YYYY-MM-DD_HHMMSS, keeping their places relative to the installation. The run logs are read under the lock that recording programs respect, so a copy never holds half a run. Every copy is read back and checked; manifest.txt lists each file&apos;s size and SHA-256 checksum (&quot;sha256sum -c manifest.txt&quot; inside the backup verifies it too). The backup is built in a hidden working folder that only takes its name when complete; a failed backup leaves nothing, and working folders of backups that were stopped are removed. The installation is only read; a file of it that is a link, a pipe or a device is not followed and fails the backup.

With --keep N (1 or more), once the backup is made, the oldest backups in DEST beyond the N newest are removed: only folders named as this command names them that pass the check (a damaged one is left alone and named), never through a link, never the backup just made. Copies that restore keeps of what it replaced are never removed.

With --check, verifies every file of the backup folder BACKUP_FOLDER against its manifest.txt; it reads only regular files inside the backup folder, never through a link.</source>
        <translation>プログラムフォルダが PROGRAM_FOLDER のインストールの成績記録、家庭用の成績記録、名簿（その控えとクラスも）、設定ファイル（設定.txt、共通データ.txt、タイム回数データ.txt、新音ファイル.txt）と問題ファイル（Morvidかな0vv.ccc）を、新しいフォルダ DEST/tavrel-YYYY-MM-DD_HHMMSS に、インストールの中での置き場所を保って写します。成績記録は記録するプログラムが守る鍵をかけて読むので、写しに途中までの記録が入ることはありません。写しはすべて読み戻して確かめ、manifest.txt に各ファイルの大きさと SHA-256 のチェックサムを書きます（バックアップの中で「sha256sum -c manifest.txt」でも確かめられます）。バックアップは隠れた作業フォルダで作り、できあがってから名前を付けます。失敗したバックアップは何も残さず、途中で止まったバックアップの作業フォルダは取り除きます。インストールは読むだけです。インストールのファイルがリンク、パイプ、デバイスのときはたどらず、バックアップは失敗します。

--keep N（1 以上）を付けると、バックアップができたあと、DEST の中の新しい N 個より古いバックアップを取り除きます。取り除くのはこのコマンドが付ける名前のフォルダで確かめて傷のないものだけです（傷のあるものはそのままにして名前を示します）。リンクはたどらず、いま作ったバックアップは取り除きません。restore が置き換える前に残した写しも取り除きません。

--check を付けると、バックアップフォルダ BACKUP_FOLDER のすべてのファイルを manifest.txt と照らし合わせます。読むのはバックアップフォルダの中の普通のファイルだけで、リンクはたどりません。</translation>
    </message>
    <message>
        <source>keep only the N newest intact backups in DEST, removing older ones</source>
        <translation>DEST の中の傷のないバックアップを新しい N 個だけ残し、古いものを取り除く</translation>
    </message>
    <message>
        <source>Puts the backup BACKUP_FOLDER (made by backup) back into the installation whose program folder is PROGRAM_FOLDER, file by file, and says what it restored. The backup is verified against its manifest.txt first; a backup that is damaged, or lists a file that a backup of this installation does not hold, is refused. A run log (or home run log) of the installation that holds runs the backup lacks (it is longer than the backup&apos;s, or does not start as the backup&apos;s does) is not replaced, and nothing is restored, unless --force is given.

Before anything is replaced, what is about to be replaced is backed up as by backup, into a folder tavrel-before-restore-YYYY-MM-DD_HHMMSS beside BACKUP_FOLDER, which backup --keep never removes: restoring that folder undoes the restore. While it replaces files, restore holds the roster&apos;s lock and the lock of each run log it replaces, so that no pupil&apos;s run or name change is lost meanwhile. Settings, the roster and the question file are replaced whole or not at all, keeping their group and permissions; a run log is rewritten in place under its lock, as the program appends to it (only the missing runs are appended when the backup&apos;s log extends the installation&apos;s). Files the backup does not hold are left as they are.</source>
        <translation>バックアップ BACKUP_FOLDER（backup で作ったもの）を、プログラムフォルダが PROGRAM_FOLDER のインストールにファイルごとに戻し、戻したものを示します。まずバックアップを manifest.txt と照らし合わせます。傷のあるバックアップや、このインストールのバックアップにはないファイルを挙げたバックアップは断ります。インストールの成績記録（または家庭用の成績記録）に、バックアップにない記録がある（バックアップのものより長い、またはバックアップのものと始まりが違う）ときは、--force を付けない限りそれを置き換えず、何も戻しません。

何かを置き換える前に、置き換えるものを backup と同じようにバックアップします。その写しは BACKUP_FOLDER の隣のフォルダ tavrel-before-restore-YYYY-MM-DD_HHMMSS に入り、backup --keep で取り除かれることはありません。そのフォルダを戻せば、戻す前の状態に戻ります。ファイルを置き換えている間は、名簿の鍵と置き換える成績記録それぞれの鍵をかけておくので、その間の生徒の記録や名前の変更が失われることはありません。設定、名簿と問題ファイルは、グループと許可を保って、全部置き換えるか何も変えないかのどちらかです。成績記録はプログラムが追加するのと同じように、鍵をかけてその場で書き直します（バックアップの記録がインストールのものの続きなら、足りない記録だけを追加します）。バックアップにないファイルはそのままです。</translation>
    </message>
    <message>
        <source>the backup to restore</source>
        <translation>戻すバックアップ</translation>
    </message>
    <message>
        <source>replace run logs that hold runs the backup lacks (those runs stay in the copy kept before)</source>
        <translation>バックアップにない記録がある成績記録も置き換える（その記録は先に残す写しに入ります）</translation>
    </message>
    <message>
        <source>restored (or already as in the backup)</source>
        <translation>戻した（またはすでにバックアップのとおり）</translation>
    </message>
    <message>
        <source>refused (nothing changed) or failed</source>
        <translation>断った（何も変えていない）か失敗した</translation>
    </message>
    <message>
        <source>--keep takes a number of backups, 1 or more, not &quot;%1&quot;</source>
        <translation>--keep には「%1」ではなく、1 以上のバックアップの数を指定してください</translation>
    </message>
    <message>
        <source>removed the old backup %1</source>
        <translation>古いバックアップ %1 を取り除きました</translation>
    </message>
    <message>
        <source>left alone, as it fails the check: %1</source>
        <translation>確かめると傷があるので、そのままにしました: %1</translation>
    </message>
    <message>
        <source>kept the files as they were in %1</source>
        <translation>戻す前のファイルを %1 に残しました</translation>
    </message>
    <message>
        <source>restored %1</source>
        <translation>%1 を戻しました</translation>
    </message>
    <message>
        <source>already as in the backup: %1</source>
        <translation>すでにバックアップのとおりです: %1</translation>
    </message>
    <message>
        <source>not in the backup, left as it is: %1</source>
        <translation>バックアップにないので、そのままです: %1</translation>
    </message>
    <message>
        <source>restored %1 files from %2</source>
        <translation>%2 から %1 個のファイルを戻しました</translation>
    </message>
    <message>
        <source>put a backup back into an installation</source>
        <translation>バックアップをインストールに戻す</translation>
    </message>
    <message>
        <source>--keep goes with making a backup, not with --check</source>
        <translation>--keep はバックアップを作るときに付けるもので、--check とは一緒に使えません</translation>
    </message>
</context>
<context>
    <name>SchoolRegistry</name>
    <message>
        <source>cannot make the folder %1</source>
        <translation>フォルダ %1 を作れません</translation>
    </message>
    <message>
        <source>cannot write %1: %2</source>
        <translation>%1 を書き込めません: %2</translation>
    </message>
    <message>
        <source>the name is empty</source>
        <translation>名前が空です</translation>
    </message>
    <message>
        <source>the name may not hold a tab or a line break</source>
        <translation>名前にはタブや改行を入れられません</translation>
    </message>
    <message>
        <source>cannot read %1: %2</source>
        <translation>%1 を読めません: %2</translation>
    </message>
</context>
<context>
    <name>SchoolRestore</name>
    <message>
        <source>cannot read %1: %2</source>
        <translation>%1 を読めません: %2</translation>
    </message>
    <message>
        <source>%1 is not a plain file (a link, a folder, a pipe or a device); it is not replaced</source>
        <translation>%1 は普通のファイルではありません（リンク、フォルダ、パイプ、デバイス）。置き換えません</translation>
    </message>
    <message>
        <source>cannot open %1: %2</source>
        <translation>%1 を開けません: %2</translation>
    </message>
    <message>
        <source>cannot lock %1: %2</source>
        <translation>%1 に鍵をかけられません: %2</translation>
    </message>
    <message>
        <source>%1 stayed locked by another program for %2 seconds</source>
        <translation>%1 は %2 秒の間、ほかのプログラムが鍵をかけたままでした</translation>
    </message>
    <message>
        <source>nothing was restored</source>
        <translation>何も戻していません</translation>
    </message>
    <message>
        <source>the backup %1 is not intact:</source>
        <translation>バックアップ %1 には傷があります:</translation>
    </message>
    <message>
        <source>a damaged backup is never restored</source>
        <translation>傷のあるバックアップは戻しません</translation>
    </message>
    <message>
        <source>the backup lists %1, which is not a file of this installation that a backup holds (a backup of an installation with another folder mode?)</source>
        <translation>バックアップに %1 が挙がっていますが、これはこのインストールのバックアップに入るファイルではありません（フォルダモードの違うインストールのバックアップでは？）</translation>
    </message>
    <message>
        <source>%1 holds runs the backup lacks: %2 bytes in the installation, %3 in the backup</source>
        <translation>%1 にはバックアップにない記録があります: インストールでは %2 バイト、バックアップでは %3 バイトです</translation>
    </message>
    <message>
        <source>%1 holds runs the backup lacks: it does not start as the backup&apos;s does</source>
        <translation>%1 にはバックアップにない記録があります: 始まりがバックアップのものと違います</translation>
    </message>
    <message>
        <source>restoring would lose those runs; give --force to replace them all the same (they are kept in a backup of their own first)</source>
        <translation>戻すとその記録が失われます。それでも置き換えるときは --force を付けてください（その記録は先にそれだけのバックアップに残します）</translation>
    </message>
    <message>
        <source>the installation was left as it is</source>
        <translation>インストールはそのままです</translation>
    </message>
    <message>
        <source>no copy of what a restore would replace could be kept in %1</source>
        <translation>戻すときに置き換えるものの写しを %1 に残せませんでした</translation>
    </message>
    <message>
        <source>the copy %1 does not check</source>
        <translation>写し %1 を確かめると傷があります</translation>
    </message>
    <message>
        <source>the roster stayed locked by another program (%1)</source>
        <translation>名簿はほかのプログラムが鍵をかけたままでした（%1）</translation>
    </message>
    <message>
        <source>cannot lock the roster (%1): %2</source>
        <translation>名簿に鍵をかけられません（%1）: %2</translation>
    </message>
    <message>
        <source>%1 received runs the backup lacks while the restore began; run the restore again</source>
        <translation>戻し始めている間に %1 にバックアップにない記録が加わりました。もう一度戻してください</translation>
    </message>
    <message>
        <source>%1 changed while the copy of it was made; run the restore again</source>
        <translation>写しを作っている間に %1 が変わりました。もう一度戻してください</translation>
    </message>
    <message>
        <source>cannot write %1: %2</source>
        <translation>%1 を書き込めません: %2</translation>
    </message>
    <message>
        <source>the restore stopped at %1, which is as it was; every file as it was before the restore is kept in %2</source>
        <translation>%1 で戻すのが止まりました。%1 は元のままです。戻す前のファイルはすべて %2 に残っています</translation>
    </message>
</context>
<context>
    <name>SharingCommands</name>
    <message>
        <source>the school&apos;s group, by name or number (default: the group of the program folder)</source>
        <translation>学校のグループ（名前か番号。指定しないときはプログラムフォルダのグループ）</translation>
    </message>
    <message>
        <source>mend what can be mended</source>
        <translation>直せるものを直す</translation>
    </message>
    <message>
        <source>every account of the group can use the installation (after --fix)</source>
        <translation>グループのどのアカウントもインストールを使える（--fix のあとで）</translation>
    </message>
    <message>
        <source>some file or folder is still not usable</source>
        <translation>まだ使えないファイルかフォルダがある</translation>
    </message>
    <message>
        <source>listed (or nothing is waiting)</source>
        <translation>示した（または待っているものはない）</translation>
    </message>
    <message>
        <source>the pending file cannot be read</source>
        <translation>預かりのファイルを読めない</translation>
    </message>
    <message>
        <source>Tells this machine where the installation whose program folder is PROGRAM_FOLDER is, under NAME (default: the school&apos;s name in its 共通データ.txt, the name new-school registered it by): in /etc/xdg/tavrel/schools when run as root, else in ~/.config/tavrel/schools. The school&apos;s launcher (DIR/tavrel.desktop) starts tavrel by that name, so on a second PC that mounts the share, wherever it mounts it, this is the one step that makes the launcher work. tavrel without a folder lists the registered schools.</source>
        <translation>プログラムフォルダが PROGRAM_FOLDER のインストールの場所を、NAME（指定しないときは共通データ.txt の学校名、new-school が登録に使った名前）でこのコンピューターに登録します: root で実行したときは /etc/xdg/tavrel/schools に、そうでなければ ~/.config/tavrel/schools にです。学校のランチャー（DIR/tavrel.desktop）はその名前で tavrel を起動するので、共有フォルダをつなぐ 2 台目の PC では、どこにつないでも、これだけでランチャーが動くようになります。フォルダを指定しない tavrel は、登録された学校を一覧にします。</translation>
    </message>
    <message>
        <source>the name to register the school by</source>
        <translation>学校を登録する名前</translation>
    </message>
    <message>
        <source>also put the launcher into the applications menu (every account&apos;s as root, else this account&apos;s)</source>
        <translation>ランチャーをアプリケーションメニューにも入れる（root ならすべてのアカウントの、そうでなければこのアカウントの）</translation>
    </message>
    <message>
        <source>registered</source>
        <translation>登録した</translation>
    </message>
    <message>
        <source>not an installation, or a list that cannot be written</source>
        <translation>インストールではない、または一覧を書き込めない</translation>
    </message>
    <message>
        <source> - fixed</source>
        <translation> - 直しました</translation>
    </message>
    <message>
        <source> - not fixed: %1</source>
        <translation> - 直していません: %1</translation>
    </message>
    <message>
        <source>--fix leaves it</source>
        <translation>--fix では直しません</translation>
    </message>
    <message>
        <source>%1: %2 files and folders checked for the group %3; every member can use them</source>
        <translation>%1: グループ %3 について %2 個のファイルとフォルダを調べました。グループのだれでも使えます</translation>
    </message>
    <message>
        <source>%1: %2 files and folders checked for the group %3; some are not usable%4</source>
        <translation>%1: グループ %3 について %2 個のファイルとフォルダを調べました。使えないものがあります%4</translation>
    </message>
    <message>
        <source> (--fix mends what it can)</source>
        <translation>（--fix で直せるものは直します）</translation>
    </message>
    <message>
        <source>%1 %2 pupil %3 level %4 %5</source>
        <translation>%1 %2 生徒 %3 レベル %4 %5</translation>
    </message>
    <message>
        <source>timed out</source>
        <translation>時間切れ</translation>
    </message>
    <message>
        <source>%1 s</source>
        <translation>%1 秒</translation>
    </message>
    <message>
        <source>%1 bytes</source>
        <translation>%1 バイト</translation>
    </message>
    <message>
        <source>, kept %1</source>
        <translation>、%1 に預かり</translation>
    </message>
    <message>
        <source>, an append at byte %1 was begun</source>
        <translation>、%1 バイト目への書き足しが始まっていました</translation>
    </message>
    <message>
        <source>nothing is waiting on this account for %1 (%2 does not exist)</source>
        <translation>このアカウントには %1 の待っている記録はありません（%2 はありません）</translation>
    </message>
    <message>
        <source>%1 cannot be read: %2</source>
        <translation>%1 を読めません: %2</translation>
    </message>
    <message>
        <source>%1: %2 records waiting for %3</source>
        <translation>%1: %3 の記録が %2 件待っています</translation>
    </message>
    <message>
        <source>registered &quot;%1&quot; as %2 in %3</source>
        <translation>「%1」を %2 として %3 に登録しました</translation>
    </message>
    <message>
        <source>cannot make the folder</source>
        <translation>フォルダを作れません</translation>
    </message>
    <message>
        <source>cannot write %1: %2</source>
        <translation>%1 を書き込めません: %2</translation>
    </message>
    <message>
        <source>menu entry: %1</source>
        <translation>メニューの項目: %1</translation>
    </message>
    <message>
        <source>name (and --fix) what a member of the school&apos;s group could not read or write</source>
        <translation>学校のグループの人が読み書きできないものを示す（--fix で直す）</translation>
    </message>
    <message>
        <source>list the runs this account keeps until the logs take them</source>
        <translation>成績記録が受け付けるまでこのアカウントが預かる記録を示す</translation>
    </message>
    <message>
        <source>tell this PC where a school&apos;s installation is</source>
        <translation>学校のインストールの場所をこの PC に登録する</translation>
    </message>
    <message>
        <source>Names every file and folder of the installation whose program folder is PROGRAM_FOLDER that a member of the school&apos;s group could not use: read the settings, questions and sounds, write the run logs, the answer log, the roster and its backup, make files in the program and shared folders, pass through the folders above. A member is judged as an account that owns none of the files.

--fix gives each of them the group and the rights a member needs (and the set-group-ID bit on the folders the program writes in), and makes a missing run log, answer log or roster backup empty; it changes nothing above the installation and follows no link. Run it as root, or as the owner of the files.</source>
        <translation>プログラムフォルダが PROGRAM_FOLDER のインストールのファイルとフォルダのうち、学校のグループの人が使えないもの（設定、問題、音を読む、成績記録、解答記録、名簿とその控えに書き込む、プログラムフォルダと共有フォルダにファイルを作る、上のフォルダを通る）をすべて示します。グループの人は、どのファイルの持ち主でもないアカウントとして判断します。

--fix を付けると、それぞれにグループと必要な権限（プログラムが書き込むフォルダには set-group-ID ビットも）を与え、ない成績記録、解答記録や名簿の控えを空で作ります。インストールより上は変えず、リンクはたどりません。root か、ファイルの持ち主として実行してください。</translation>
    </message>
    <message>
        <source>Lists the records that this account keeps for the installation whose program folder is PROGRAM_FOLDER, because a run log or the answer log could not take them when the run ended (no permission, the share gone, a full disk). The program appends them by itself at its next start, and after every run it records, once the log takes them again; they are kept in $XDG_DATA_HOME/tavrel/pending (~/.local/share/tavrel/pending). Run it as the pupil&apos;s account.</source>
        <translation>プログラムフォルダが PROGRAM_FOLDER のインストールについて、このアカウントが預かっている記録を示します。走り終えたときに成績記録または解答記録が受け付けなかった（権限がない、共有フォルダがない、ディスクがいっぱい）ものです。プログラムは次の起動のとき、また成績記録がふたたび受け付けるようになれば毎回の記録のあとに、自分で書き足します。記録は $XDG_DATA_HOME/tavrel/pending（~/.local/share/tavrel/pending）にあります。生徒のアカウントで実行してください。</translation>
    </message>
    <message>
        <source>%1 answer records of the run %2 %3 pupil %4 level %5</source>
        <translation>%2 %3 生徒 %4 レベル %5 の解答記録 %1 件</translation>
    </message>
    <message>
        <source>, %1 wrong choices and %2 wrong years</source>
        <translation>、選択のまちがい %1 回、年代のまちがい %2 回</translation>
    </message>
</context>
<context>
    <name>SheetOutput</name>
    <message>
        <source>%1 cannot be written.</source>
        <translation>%1 に書き込めません。</translation>
    </message>
    <message>
        <source>%1 cannot be written: %2</source>
        <translation>%1 に書き込めません: %2</translation>
    </message>
</context>
<context>
    <name>SoundTable</name>
    <message>
        <source>The file ends before the list of &quot;%1&quot; is closed by &quot;*&quot;.</source>
        <translation>「%1」の並びが「*」で閉じられる前にファイルが終わっています。</translation>
    </message>
</context>
<context>
    <name>StagedFolder</name>
    <message>
        <source>the folder %1 does not exist</source>
        <translation>フォルダ %1 がありません</translation>
    </message>
    <message>
        <source>%1 already exists and is not a folder</source>
        <translation>%1 はすでにあり、フォルダではありません</translation>
    </message>
    <message>
        <source>%1 already exists and is not empty</source>
        <translation>%1 はすでにあり、空ではありません</translation>
    </message>
    <message>
        <source>%1 is a mount point; give a new folder inside it, such as %2</source>
        <translation>%1 はマウントポイントです。%2 のように、その中の新しいフォルダを指定してください</translation>
    </message>
    <message>
        <source>cannot make a folder in %1: %2</source>
        <translation>%1 にフォルダを作れません: %2</translation>
    </message>
    <message>
        <source>cannot make the folder %1</source>
        <translation>フォルダ %1 を作れません</translation>
    </message>
    <message>
        <source>cannot write %1: %2</source>
        <translation>%1 を書き込めません: %2</translation>
    </message>
    <message>
        <source>cannot rename %1 to %2: %3</source>
        <translation>%1 を %2 に名前を変えられません: %3</translation>
    </message>
    <message>
        <source>cannot rename %1 to %2</source>
        <translation>%1 を %2 に名前を変えられません</translation>
    </message>
</context>
<context>
    <name>Startup</name>
    <message>
        <source>The program folder is not there.</source>
        <translation>プログラムフォルダが見つかりません。</translation>
    </message>
    <message>
        <source>the settings</source>
        <translation>設定</translation>
    </message>
    <message>
        <source>the shared data</source>
        <translation>共通データ</translation>
    </message>
    <message>
        <source>the month the school year starts</source>
        <translation>年度の始まりの月</translation>
    </message>
    <message>
        <source>The month the school year starts must be 1 to 12 (&quot;%1&quot;).</source>
        <translation>年度の始まりの月は 1 から 12 でなければなりません（「%1」）。</translation>
    </message>
</context>
<context>
    <name>SystemError</name>
    <message>
        <source>no such file or folder</source>
        <translation>ファイルまたはフォルダがありません</translation>
    </message>
    <message>
        <source>permission denied</source>
        <translation>使う権限がありません</translation>
    </message>
    <message>
        <source>no space left on the disk</source>
        <translation>ディスクに空きがありません</translation>
    </message>
    <message>
        <source>the disk quota is used up</source>
        <translation>使えるディスク容量を超えました</translation>
    </message>
    <message>
        <source>file too large</source>
        <translation>ファイルが大きすぎます</translation>
    </message>
    <message>
        <source>a place that cannot be written</source>
        <translation>書き込みのできない場所です</translation>
    </message>
    <message>
        <source>a folder, not a file</source>
        <translation>ファイルではなくフォルダです</translation>
    </message>
    <message>
        <source>a name on the way is not a folder</source>
        <translation>途中の名前がフォルダではありません</translation>
    </message>
    <message>
        <source>name too long</source>
        <translation>名前が長すぎます</translation>
    </message>
    <message>
        <source>the name is taken already</source>
        <translation>同じ名前がすでにあります</translation>
    </message>
    <message>
        <source>too many open files</source>
        <translation>開いているファイルが多すぎます</translation>
    </message>
    <message>
        <source>in use by another program</source>
        <translation>ほかのプログラムが使っています</translation>
    </message>
    <message>
        <source>a device error while reading or writing</source>
        <translation>読み書きの途中で装置のエラーが起きました</translation>
    </message>
    <message>
        <source>not enough memory</source>
        <translation>メモリが足りません</translation>
    </message>
    <message>
        <source>the network share cannot be reached</source>
        <translation>ネットワークの共有フォルダにつながりません</translation>
    </message>
    <message>
        <source>system error %1: %2</source>
        <translation>システムのエラー %1: %2</translation>
    </message>
    <message>
        <source>reading failed</source>
        <translation>読み込めませんでした</translation>
    </message>
    <message>
        <source>writing failed</source>
        <translation>書き込めませんでした</translation>
    </message>
    <message>
        <source>the file became unusable</source>
        <translation>読み書きできなくなりました</translation>
    </message>
    <message>
        <source>not enough disk space or memory</source>
        <translation>ディスクかメモリが足りません</translation>
    </message>
    <message>
        <source>opening failed</source>
        <translation>開けませんでした</translation>
    </message>
    <message>
        <source>stopped part-way</source>
        <translation>途中でやめました</translation>
    </message>
    <message>
        <source>timed out</source>
        <translation>時間切れになりました</translation>
    </message>
    <message>
        <source>an error of unknown cause</source>
        <translation>原因のわからないエラーが起きました</translation>
    </message>
    <message>
        <source>removing failed</source>
        <translation>消せませんでした</translation>
    </message>
    <message>
        <source>renaming failed</source>
        <translation>名前を変えられませんでした</translation>
    </message>
    <message>
        <source>moving within the file failed</source>
        <translation>読み書きの位置を移せませんでした</translation>
    </message>
    <message>
        <source>resizing failed</source>
        <translation>大きさを変えられませんでした</translation>
    </message>
    <message>
        <source>changing the permissions failed</source>
        <translation>権限を変えられませんでした</translation>
    </message>
    <message>
        <source>copying failed</source>
        <translation>写せませんでした</translation>
    </message>
</context>
<context>
    <name>TimingTable</name>
    <message>
        <source>%1 is too large (&quot;%2&quot;).</source>
        <translation>%1が大きすぎます（「%2」）。</translation>
    </message>
    <message>
        <source>the record of level %1</source>
        <translation>レベル %1 の記録</translation>
    </message>
    <message>
        <source>There are too many records: at most %2, for levels 0 to %1.</source>
        <translation>記録が多すぎます。記録はレベル 0 から %1 までの %2 件までです。</translation>
    </message>
    <message>
        <source>the pass time</source>
        <translation>合格タイム</translation>
    </message>
    <message>
        <source>the time limit</source>
        <translation>制限タイム</translation>
    </message>
    <message>
        <source>the points needed</source>
        <translation>必要ポイント</translation>
    </message>
    <message>
        <source>the runs needed</source>
        <translation>必要回数</translation>
    </message>
    <message>
        <source>the points factor</source>
        <translation>ポイント倍率</translation>
    </message>
    <message>
        <source>the runs of period 2</source>
        <translation>期間２の回数</translation>
    </message>
    <message>
        <source>the points of period 2</source>
        <translation>期間２のポイント</translation>
    </message>
    <message>
        <source>the days of period 1</source>
        <translation>期間１の日数</translation>
    </message>
    <message>
        <source>the days of period 2</source>
        <translation>期間２の日数</translation>
    </message>
    <message>
        <source>There is no record for level %1 (%2): it needs a pass time and a time limit.</source>
        <translation>レベル %1（%2）の記録がありません。合格タイムと制限タイムが必要です。</translation>
    </message>
    <message>
        <source>The pass time and the time limit of level %1 (%2) must be 1 second or more.</source>
        <translation>レベル %1（%2）の合格タイムと制限タイムは 1 秒以上でなければなりません。</translation>
    </message>
</context>
<context>
    <name>ToolInstallation</name>
    <message>
        <source>there is no installation at %1</source>
        <translation>%1 にインストールはありません</translation>
    </message>
    <message>
        <source>%1 is not a usable installation: %2</source>
        <translation>%1 は使えるインストールではありません: %2</translation>
    </message>
</context>
<context>
    <name>WeakCommand</name>
    <message>
        <source>Lists the figures missed most in the answer log of the installation whose program folder is INSTALL: wrong choices and wrong years on each question, how often it was asked, and how many of the pupils who had it missed it. Without OUT the list is printed; OUT ending in .csv is written as CSV (UTF-8 with a byte-order mark), OUT ending in .pdf as an A4 page. Every pupil counts unless --pupil or --class is given.</source>
        <translation>プログラムフォルダーが INSTALL のインストールの解答の記録から、まちがいの多い人物を一覧にします。問題ごとに、選択のまちがいと年代のまちがいの数、出題された回数、その問題が出た生徒のうち何人がまちがえたかを示します。OUT がなければ一覧を表示し、OUT が .csv で終わるときは CSV（バイトオーダーマーク付きの UTF-8）、.pdf で終わるときは A4 のページとして書き出します。--pupil か --class がなければ、すべての生徒の解答を数えます。</translation>
    </message>
    <message>
        <source>the .csv or .pdf file to write (optional)</source>
        <translation>書き出す .csv か .pdf のファイル（なくてもよい）</translation>
    </message>
    <message>
        <source>only this pupil&apos;s answers (roster number)</source>
        <translation>この生徒の解答だけ（名簿の番号）</translation>
    </message>
    <message>
        <source>only the answers of this class&apos;s pupils</source>
        <translation>このクラスの生徒の解答だけ</translation>
    </message>
    <message>
        <source>every pupil&apos;s answers (the default)</source>
        <translation>すべての生徒の解答（指定しないとき）</translation>
    </message>
    <message>
        <source>only these levels, comma-separated (default: every level)</source>
        <translation>これらのレベルだけ（コンマ区切り。指定しないときはすべてのレベル）</translation>
    </message>
    <message>
        <source>only the last D days up to today (default: every day)</source>
        <translation>今日までの D 日間だけ（指定しないときはすべての日）</translation>
    </message>
    <message>
        <source>how many figures to list (default 20; 0 lists every one)</source>
        <translation>一覧にする人物の数（指定しないときは 20。0 ならすべて）</translation>
    </message>
    <message>
        <source>&quot;today&quot; is this date (default: the computer&apos;s clock)</source>
        <translation>「今日」をこの日付にする（指定しないときはコンピューターの時計）</translation>
    </message>
    <message>
        <source>listed or written</source>
        <translation>一覧を表示した、または書き出した</translation>
    </message>
    <message>
        <source>something is missing or wrong (named), or the file cannot be written</source>
        <translation>足りないものかまちがいがある（その名前を示します）、またはファイルを書き込めない</translation>
    </message>
    <message>
        <source>give at most one of --pupil, --class and --all</source>
        <translation>--pupil、--class、--all のうち指定できるのは一つだけです</translation>
    </message>
    <message>
        <source>&quot;%1&quot; ends neither in .csv nor in .pdf</source>
        <translation>「%1」は .csv でも .pdf でも終わっていません</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a number of figures</source>
        <translation>「%1」は人物の数ではありません</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a number of days</source>
        <translation>「%1」は日数ではありません</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a list of level numbers such as 1,2,3</source>
        <translation>「%1」は 1,2,3 のようなレベルの番号の並びではありません</translation>
    </message>
    <message>
        <source>there is no level %1; the levels are 1 to %2</source>
        <translation>レベル %1 はありません。レベルは 1 から %2 です</translation>
    </message>
    <message>
        <source>levels %1</source>
        <translation>レベル %1</translation>
    </message>
    <message>
        <source>every level</source>
        <translation>すべてのレベル</translation>
    </message>
    <message>
        <source>the last %1 days to %2</source>
        <translation>%2 までの %1 日間</translation>
    </message>
    <message>
        <source>every day to %1</source>
        <translation>%1 までのすべての日</translation>
    </message>
    <message>
        <source>every pupil</source>
        <translation>全員</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a roster number</source>
        <translation>「%1」は名簿の番号ではありません</translation>
    </message>
    <message>
        <source>pupil %1</source>
        <translation>生徒 %1</translation>
    </message>
    <message>
        <source>there is no class &quot;%1&quot; in %2</source>
        <translation>%2 にクラス「%1」はありません</translation>
    </message>
    <message>
        <source>class %1</source>
        <translation>クラス %1</translation>
    </message>
    <message>
        <source>figures are named by their group and line in the question file</source>
        <translation>人物は問題ファイルのグループと行で示します</translation>
    </message>
    <message>
        <source>cannot write %1: %2</source>
        <translation>%1 を書き込めません: %2</translation>
    </message>
    <message>
        <source>cannot write %1</source>
        <translation>%1 を書き込めません</translation>
    </message>
    <message>
        <source>%1 answers of %2 pupils counted</source>
        <translation>%2 人の解答 %1 件を数えました</translation>
    </message>
    <message>
        <source>No answer was missed in the records counted.</source>
        <translation>数えた記録には、まちがえた解答がありません。</translation>
    </message>
    <message>
        <source>the figures pupils miss most, from the answer log</source>
        <translation>解答の記録から、生徒がよくまちがえる人物</translation>
    </message>
</context>
<context>
    <name>WeakList</name>
    <message>
        <source>(not in the question file: group %1, line %2)</source>
        <translation>（問題ファイルにありません: グループ %1、%2 行目）</translation>
    </message>
    <message>
        <source>Rank</source>
        <translation>順位</translation>
    </message>
    <message>
        <source>Figure</source>
        <translation>人物</translation>
    </message>
    <message>
        <source>Wrong choices</source>
        <translation>選択の誤り</translation>
    </message>
    <message>
        <source>Wrong years</source>
        <translation>年代の誤り</translation>
    </message>
    <message>
        <source>Missed</source>
        <translation>誤り計</translation>
    </message>
    <message>
        <source>Times asked</source>
        <translation>出題回数</translation>
    </message>
    <message>
        <source>Pupils missed</source>
        <translation>誤った人数</translation>
    </message>
    <message>
        <source>Share</source>
        <translation>割合</translation>
    </message>
</context>
<context>
    <name>WeakPdf</name>
    <message>
        <source>No answer was missed in the records counted.</source>
        <translation>数えた記録には、まちがえた解答がありません。</translation>
    </message>
    <message>
        <source>: the list could not be drawn</source>
        <translation>: 一覧を描けませんでした</translation>
    </message>
</context>
<context>
    <name>WorksheetCommand</name>
    <message>
        <source>Writes the one-page A4 question worksheet the program&apos;s print preview shows for these settings, from the question file Morvidかな0vv.ccc in PROGRAM_FOLDER. OUT.pdf appears whole or not at all; a missing or broken question file is reported with its name and line, and nothing is written.</source>
        <translation>PROGRAM_FOLDER の問題ファイル Morvidかな0vv.ccc から、この設定でプログラムの印刷プレビューが示す A4 1 枚の問題用紙を書き出します。OUT.pdf はまるごとできるか、まったくできないかのどちらかです。問題ファイルがないか壊れているときは、その名前と行を示し、何も書き込みません。</translation>
    </message>
    <message>
        <source>the PDF file to write</source>
        <translation>書き込む PDF ファイル</translation>
    </message>
    <message>
        <source>the question groups (levels of the list, 1 to 10), comma-separated; default 1</source>
        <translation>問題のグループ（一覧のレベル、1 から 10）、コンマ区切り。指定しないときは 1</translation>
    </message>
    <message>
        <source>all: print everything (default); name: hide the name; year: hide the year; random: hide the year or the name of each row; the hidden text goes to 答え</source>
        <translation>all: すべて印刷（既定）、name: 名前を隠す、year: 年を隠す、random: 行ごとに年か名前を隠す。隠したものは答えに入ります</translation>
    </message>
    <message>
        <source>the rows in the order of the question file; by default they are shuffled and 20 of the chosen questions reach the sheet</source>
        <translation>問題ファイルの順に並べる。指定しないときは並べかえ、選んだ問題のうち 20 問を用紙に載せます</translation>
    </message>
    <message>
        <source>shuffle with a fixed seed, so the same call gives the same sheet</source>
        <translation>決まった種で並べかえ、同じ呼び出しで同じ用紙にする</translation>
    </message>
    <message>
        <source>written</source>
        <translation>書き込んだ</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a group from 1 to 10</source>
        <translation>「%1」は 1 から 10 までのグループではありません</translation>
    </message>
    <message>
        <source>--mode is one of all, name, year, random</source>
        <translation>--mode は all、name、year、random のどれかです</translation>
    </message>
    <message>
        <source>--seed needs a whole number</source>
        <translation>--seed には整数を指定してください</translation>
    </message>
    <message>
        <source>wrote %1: %2 of %3 questions</source>
        <translation>%1 を書き込みました: %3 問のうち %2 問</translation>
    </message>
    <message>
        <source>write a question worksheet as an A4 PDF</source>
        <translation>問題用紙を A4 の PDF にする</translation>
    </message>
    <message>
        <source>instead of the groups, the 20 figures this pupil (roster number) missed most in the answer log, missed most first unless shuffled</source>
        <translation>グループの代わりに、この生徒 （名簿番号） が解答の記録でいちばん多くまちがえた20人の人物 （並べかえなければ多い順）</translation>
    </message>
    <message>
        <source>the same for the pupils of a class of the class map</source>
        <translation>同じことをクラス表のクラスの生徒について</translation>
    </message>
    <message>
        <source>the question file, the answer log or OUT.pdf failed, or there is nothing to print</source>
        <translation>問題ファイル、解答の記録か OUT.pdf で失敗した、または印刷するものがない</translation>
    </message>
    <message>
        <source>give --weak or --weak-class, not both</source>
        <translation>--weak か --weak-class のどちらか一方を指定してください</translation>
    </message>
    <message>
        <source>--groups does not go with --weak or --weak-class</source>
        <translation>--groups は --weak や --weak-class といっしょに使えません</translation>
    </message>
    <message>
        <source>--weak needs a roster number from 1 to %1</source>
        <translation>--weak には 1 から %1 までの名簿番号が必要です</translation>
    </message>
    <message>
        <source>pupil %1</source>
        <translation>生徒 %1</translation>
    </message>
    <message>
        <source>there is no class &quot;%1&quot; in %2</source>
        <translation>%2 にクラス「%1」はありません</translation>
    </message>
    <message>
        <source>class %1</source>
        <translation>クラス %1</translation>
    </message>
    <message>
        <source>there are no answer records of %1 yet; without --weak and --weak-class the ordinary worksheet of the groups is written</source>
        <translation>%1 の解答の記録はまだありません。--weak と --weak-class を付けなければ、グループのふつうの問題用紙を書きます</translation>
    </message>
    <message>
        <source>%1 missed no question of the question file; without --weak and --weak-class the ordinary worksheet of the groups is written</source>
        <translation>%1 が問題ファイルの問題をまちがえた記録はありません。--weak と --weak-class を付けなければ、グループのふつうの問題用紙を書きます</translation>
    </message>
</context>
<context>
    <name>XlsxSheet</name>
    <message>
        <source>it has no sheet &quot;%1&quot;; its sheets are %2</source>
        <translation>「%1」というシートはありません（シートは %2）</translation>
    </message>
    <message>
        <source>the sheet &quot;%1&quot; cannot be found in the workbook</source>
        <translation>シート「%1」がブックの中に見つかりません</translation>
    </message>
    <message>
        <source>the workbook&apos;s texts (xl/sharedStrings.xml) are damaged</source>
        <translation>ブックの文字列（xl/sharedStrings.xml）が壊れています</translation>
    </message>
    <message>
        <source>the sheet &quot;%1&quot; is missing from the workbook or damaged</source>
        <translation>シート「%1」がブックにないか壊れています</translation>
    </message>
    <message>
        <source>the sheet &quot;%1&quot; is damaged</source>
        <translation>シート「%1」が壊れています</translation>
    </message>
    <message>
        <source>its list of sheets (xl/workbook.xml) is missing or damaged</source>
        <translation>シートの一覧（xl/workbook.xml）がないか壊れています</translation>
    </message>
    <message>
        <source>its list of sheets (xl/workbook.xml) is damaged</source>
        <translation>シートの一覧（xl/workbook.xml）が壊れています</translation>
    </message>
</context>
</TS>
