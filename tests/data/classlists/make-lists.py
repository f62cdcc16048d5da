#!/usr/bin/env python3
# Makes the class lists of tests/data/classlists: two classes of 35 pupils numbered 1 to 35, born
# in the school year of a 6th grade of school year 2025 (2013-04-02 to 2014-04-01, the early
# births of January to March among them), as teachers save them. The workbook is made by a
# spreadsheet program from the flat OpenDocument file this writes:
#   python3 make-lists.py
#   soffice --headless --convert-to xlsx:"Calc MS Excel 2007 XML" 6-1.fods
#   soffice --headless --convert-to ods 6-1.fods
#   soffice --headless --convert-to xls:"MS Excel 97" 6-1.fods
#   rm 6-1.fods 6-1-rows.csv
import datetime, random, csv, io
random.seed(23)
family = "佐藤 鈴木 高橋 田中 伊藤 渡辺 山本 中村 小林 加藤 吉田 山田 佐々木 山口 松本 井上 木村 林 斎藤 清水 山崎 森 池田 橋本 阿部 石川 山下 中島 石井 小川 前田 岡田 長谷川 藤田 後藤 近藤 村上 遠藤 青木 坂本".split()
given = "陽翔 蓮 湊 樹 大和 悠真 陽向 結翔 朝陽 蒼 陽葵 凛 結菜 芽依 紬 葵 咲良 結愛 莉子 美桜 心春 杏 花音 楓 美月 琴音 翔太 健太 拓海 颯 奏 優奈 彩花 千尋 真央 里奈 大翔 悠斗 美咲 愛".split()
kana = {}
def pupils(cls, seed):
    r = random.Random(seed)
    fams = r.sample(family, 35)
    givs = r.sample(given, 35)
    # births spread over the school year 2013-04-02 .. 2014-04-01 (6th grade in school year 2025)
    start = datetime.date(2013, 4, 2)
    days = sorted(r.sample(range(365), 35))
    out = []
    for i in range(35):
        d = start + datetime.timedelta(days=days[i])
        out.append((i + 1, fams[i] + "　" + givs[i], d))
    # make sure the boundaries are there
    out[0] = (1, out[0][1], datetime.date(2013, 4, 2))
    out[-1] = (35, out[-1][1], datetime.date(2014, 4, 1))
    out[-2] = (34, out[-2][1], datetime.date(2014, 3, 2))
    out[-3] = (33, out[-3][1], datetime.date(2014, 1, 1))
    return out

c1 = pupils("6-1", 1)
c2 = pupils("6-2", 2)
# names of the two classes must differ at every number
for i in range(35):
    if c1[i][1] == c2[i][1]:
        c2[i] = (c2[i][0], "藤原　" + c2[i][1].split("　")[1], c2[i][2])

def era(d, style):
    if d >= datetime.date(2019, 5, 1):
        name, letter, y = "令和", "R", d.year - 2018
    else:
        name, letter, y = "平成", "H", d.year - 1988
    if style == 0:
        return f"{name}{y}年{d.month}月{d.day}日"
    return f"{letter}{y}.{d.month}.{d.day}"

def fw(s):
    return "".join(chr(ord(c) + 0xFEE0) if c.isdigit() else c for c in s)

# 6-1: the rows of the workbook that LibreOffice makes from 6-1.fods
with open("6-1-rows.csv", "w", encoding="utf-8", newline="") as f:
    w = csv.writer(f, lineterminator="\r\n")
    w.writerow(["令和7年度　6年1組　名簿", "", "", "", ""])
    w.writerow(["", "", "", "", ""])
    w.writerow(["出席番号", "氏名", "ふりがな", "性別", "生年月日"])
    for n, name, d in c1:
        w.writerow([n, name, "", "男" if n % 2 else "女", d.strftime("%Y/%m/%d")])

# 6-2: CP932 with CRLF, a title row, era dates, full-width digits
text = "６年２組　児童名簿\r\n番号,名前,生年月日,備考\r\n"
for n, name, d in c2:
    num = fw(str(n)) if n % 3 == 0 else str(n)
    date = era(d, n % 2)
    if n % 5 == 0:
        date = fw(date)
    text += f"{num},{name},{date},\r\n"
open("6-2-cp932.csv", "wb").write(text.encode("cp932"))

# both classes in one file: UTF-8 with BOM, 学年 and 組 columns, Western dates
text = "学年,組,番号,氏名,生年月日\r\n"
for cls, pupils_ in (("1", c1), ("2", c2)):
    for n, name, d in pupils_:
        text += f"6年,{cls}組,{n},{name},{d.year}-{d.month:02d}-{d.day:02d}\r\n"
open("grade-6-utf8bom.csv", "wb").write(b"\xef\xbb\xbf" + text.encode("utf-8"))

# 6-1 as Excel's "Unicode text": UTF-16 LE with BOM, tab-separated, 2013年4月5日 dates
text = "No.\t児童名\t誕生日\r\n"
for n, name, d in c1:
    text += f"{n}\t{name}\t{d.year}年{d.month}月{d.day}日\r\n"
open("6-1-utf16.txt", "wb").write(b"\xff\xfe" + text.encode("utf-16-le"))

# 6-1 separated by semicolons, UTF-8 without BOM, bare years already reduced for early births
text = "番号;氏名;生年\n"
for n, name, d in c1:
    y = d.year - 1 if d < datetime.date(d.year, 4, 2) else d.year
    text += f"{n};{name};{y}\n"
open("6-1-semicolon.csv", "wb").write(text.encode("utf-8"))
from xml.sax.saxutils import escape
rows = list(csv.reader(open("6-1-rows.csv", encoding="utf-8")))
head = '''<?xml version="1.0" encoding="UTF-8"?>
<office:document xmlns:office="urn:oasis:names:tc:opendocument:xmlns:office:1.0" xmlns:table="urn:oasis:names:tc:opendocument:xmlns:table:1.0" xmlns:text="urn:oasis:names:tc:opendocument:xmlns:text:1.0" xmlns:number="urn:oasis:names:tc:opendocument:xmlns:datastyle:1.0" xmlns:style="urn:oasis:names:tc:opendocument:xmlns:style:1.0" xmlns:fo="urn:oasis:names:tc:opendocument:xmlns:xsl-fo-compatible:1.0" office:version="1.2" office:mimetype="application/vnd.oasis.opendocument.spreadsheet">
<office:automatic-styles>
<number:date-style style:name="N1" number:language="ja" number:country="JP"><number:year number:style="long"/><number:text>年</number:text><number:month/><number:text>月</number:text><number:day/><number:text>日</number:text></number:date-style>
<style:style style:name="ce1" style:family="table-cell" style:data-style-name="N1"/>
</office:automatic-styles>
<office:body><office:spreadsheet><table:table table:name="6年1組">
'''
body = ""
for r in rows:
    body += "<table:table-row>"
    for i, c in enumerate(r):
        if c == "":
            body += "<table:table-cell/>"
        elif i == 4 and c[0].isdigit():
            d = datetime.date(*map(int, c.split("/")))
            body += f'<table:table-cell table:style-name="ce1" office:value-type="date" office:date-value="{d.isoformat()}"><text:p>{d.year}年{d.month}月{d.day}日</text:p></table:table-cell>'
        elif i == 0 and c.isdigit():
            body += f'<table:table-cell office:value-type="float" office:value="{c}"><text:p>{c}</text:p></table:table-cell>'
        else:
            body += f'<table:table-cell office:value-type="string"><text:p>{escape(c)}</text:p></table:table-cell>'
    body += "</table:table-row>\n"
tail = '''</table:table>
<table:table table:name="メモ"><table:table-row><table:table-cell office:value-type="string"><text:p>保護者会の日程</text:p></table:table-cell></table:table-row></table:table>
</office:spreadsheet></office:body></office:document>
'''
open("6-1.fods", "w", encoding="utf-8").write(head + body + tail)
print("made the lists")
