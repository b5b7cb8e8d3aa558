#!/usr/bin/env python3
"""Writes the hand-made contacts fixtures of tests/data/contacts that are not UTF-8 text.

old_phone_sjis.vcf: vCard 2.1 as older Japanese phones wrote it, Shift-JIS in quoted-printable with
soft line breaks, the reading in half-width katakana (SOUND;X-IRMC-N). card_software_sjis.csv: a
Japanese card program's table in Shift-JIS. Both hold second bytes 0x5C (ソ 83 5C, 表 95 5C, 能 94 5C)
and a comma or quote inside a double-byte text.
"""
from pathlib import Path

HERE = Path(__file__).resolve().parent / "contacts"
CRLF = "\r\n"


def qp(text, width=60):
    """Every byte as =XX, in lines of at most `width` characters joined by soft breaks."""
    encoded = "".join("=%02X" % b for b in text.encode("cp932"))
    pieces = [encoded[i:i + width] for i in range(0, len(encoded), width)]
    return ("=" + CRLF).join(pieces)


def old_phone():
    lines = [
        "BEGIN:VCARD",
        "VERSION:2.1",
        "N;CHARSET=SHIFT_JIS;ENCODING=QUOTED-PRINTABLE:" + qp("表;能登") + ";;;",
        "SOUND;X-IRMC-N;CHARSET=SHIFT_JIS:" + "ﾋｮｳ;ﾉﾄ".encode("cp932").decode("latin-1") + ";;;",
        "TEL;HOME;VOICE:0761-22-3344",
        "TEL;CELL:090-1111-2222",
        # Separators stay plain here and are encoded in N: phones did both.
        "ADR;HOME;CHARSET=SHIFT_JIS;ENCODING=QUOTED-PRINTABLE:" +
        ";".join(qp(part) for part in ["", "ソレイユ表町２０３", "表町１－２", "七尾市", "石川県", "926-0001", ""]),
        "NOTE;CHARSET=SHIFT_JIS;ENCODING=QUOTED-PRINTABLE:" + qp("能楽の会、表方"),
        "END:VCARD",
    ]
    (HERE / "old_phone_sjis.vcf").write_bytes("".join(line + CRLF for line in lines).encode("latin-1"))


def card_software():
    lines = [
        "姓,名,姓ふりがな,名ふりがな,郵便番号,住所1,住所2,会社名,部署,役職,敬称,連名,連名敬称,電話,携帯,FAX,メール,誕生日",
        '表,能子,おもて,よしこ,6008216,京都府京都市下京区烏丸通七条下ル,"ソ,表ビル５階",表計算株式会社,"""能""楽部",課長,様,表　一郎,様,075-111-2222,080-3333-4444,075-111-2223,yoshiko@example.jp,1970/1/1',
        "加藤,博,かとう,ひろし,812-0011,福岡県福岡市博多区博多駅前１－１,,,,,様,明美,様,092-000-1111,,,,",
    ]
    (HERE / "card_software_sjis.csv").write_bytes("".join(line + CRLF for line in lines).encode("cp932"))


def main():
    HERE.mkdir(exist_ok=True)
    old_phone()
    card_software()


if __name__ == "__main__":
    main()
