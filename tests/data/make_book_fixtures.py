#!/usr/bin/env python3
"""Writes the hand-made address-book fixtures of tests/data/book in CP932.

sample*: a family exactly as the program writes it (reading and writing it again changes no byte),
with its import file. messy*: a family as other software or a hand edit may leave it, and
messy_copied*: the family the program writes after reading it (merge closed at once).
"""
from pathlib import Path

HERE = Path(__file__).resolve().parent / "book"
CRLF = "\r\n"


def write(name, lines, end=CRLF):
    (HERE / name).write_bytes("".join(line + end for line in lines).encode("cp932"))


def main():
    HERE.mkdir(exist_ok=True)
    # Second bytes 0x5C: ソ 83 5C, 表 95 5C, 能 94 5C. "ソn" in a memo is not a line break.
    write("sample.csv", [
        'あおき,"1,2",住所ソ表能,,"""株""ソ",,,青木一郎,様,花子,様,,,,',
        'いとう,100-0001,東京都千代田区千代田1-1,表参道ビル,,,部長,伊藤能,殿,,,,,,',
    ])
    write("sample_nos.csv", [
        'うえだ,１２３－４５６７,大阪府,,,,,上田,様,,,,,,',
    ])
    write("sample_nen.csv", [
        '2024,喪,連絡先,備考,"覚え\\n書き,甲"',
        'あおき,03-1234-5678,,,a@example.jp,一行目\\n二行目,ソn,送信する,□□後,□○○',
        'いとう,,,090,,,,送信しない, x□,□□',
        'うえだ,,,,,"""引用""",,送信しない,○喪,○□',
    ])
    write("sample_imp.csv", [
        'あおき,"1,2",住所ソ表能,,"""株""ソ",,,青木一郎,様,花子,様,,,,,03-1234-5678,,,a@example.jp,'
        '一行目\\n二行目,ソn,送信する,□□後,□○○',
        'いとう,100-0001,東京都千代田区千代田1-1,表参道ビル,,,部長,伊藤能,殿,,,,,,,,,090,,,,送信しない, x□,□□',
        'うえだ,１２３－４５６７,大阪府,,,,,上田,様,,,,,,,,,,,"""引用""",,送信しない,○喪,○□',
    ])

    # Unsorted, LF line ends, needless quotes, a duplicate name, a short line; a header mark of
    # one byte; one history line twice, one without address data.
    write("messy.csv", [
        'やまだ,100-0001,"東京都千代田区",,,,,山田太郎,様,,,,,,',
        'あおき,"1,2",住所ソ表能,,,,,青木,様,,,,,,',
        'やまだ,200-0002,大阪,,,,,山田花子,様',
    ], end="\n")
    write("messy_nen.csv", [
        '2100,x,連絡先,,覚え\\n書き',
        'やまだ,03-1111,,,,メモ\\nです,,送信しない,□×,□○',
        'かとう,090,,,,,,,□,□',
        'さとう,,,,,,,,×,',
        'かとう,,fax2,,,,,,,',
    ], end="\n")
    write("messy_copied.csv", [
        'あおき,"1,2",住所ソ表能,,,,,青木,様,,,,,,',
        'かとう,,,,,,,,,,,,,,',
        'やまだ-2,200-0002,大阪,,,,,山田花子,様,,,,,,',
    ])
    write("messy_copied_nos.csv", [
        'さとう,,,,,,,★★★★★,,,,,,,',
        'やまだ,100-0001,東京都千代田区,,,,,山田太郎,様,,,,,,',
    ])
    write("messy_copied_nen.csv", [
        '2100, x,連絡先,,覚え\\n書き',
        'あおき,,,,,,,,,',
        'かとう,090,fax2,,,,,,□,□',
        'さとう,,,,,,,,×,',
        'やまだ,03-1111,,,,メモ\\nです,,送信しない,□×,□○',
        'やまだ-2,,,,,,,,,',
    ])


if __name__ == "__main__":
    main()
