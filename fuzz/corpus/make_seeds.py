#!/usr/bin/env python3
"""Writes the seed inputs of the three fuzz harnesses into to_number/, number_to_text/ and
hedge_path/ beside this file. Run it again after changing a seed here; regression inputs found by
fuzzing (named regress-*) are added by hand and are left alone."""
import os
import struct

HERE = os.path.dirname(os.path.abspath(__file__))

def gbk(s):
    return s.encode("gbk")

TO_NUMBER = {
    "odds-1.85": b"1.85", "odds-2.10": b"2.10", "odds-3.20": b"3.20", "odds-800": b"800",
    "odds-long": b"2.6276141592332265",
    "leading-space-trailing-text": b"  12abc", "tab-minus": b"\t-3.5", "all-whitespace": b"\x0b\x0c\r\n 7",
    "sign-point-exponent": b"+.5e-3", "five-point": b"5.", "minus-point-five": b"-.5",
    "point-only": b".", "minus-only": b"-", "minus-zero": b"-0", "minus-space-five": b"- 5",
    "d-without-digits": b"12d", "exponent-leading-zeros": b"1e0005", "exponent-D": b"1D5",
    "exponent-no-digit": b"1e-x", "sign-after-mantissa": b"1.5+3", "second-point": b"1.5.3",
    "comma": b"1,234", "hex": b"0x1A", "inf": b"inf", "nan": b"nan", "e5": b"e5",
    "overflow": b"1e400", "minus-overflow": b"-1e400", "underflow": b"1e-400",
    "minus-underflow": b"-1e-400", "exponent-99999": b"1e99999",
    "exponent-5200": b"1e-5200", "exponent-5201": b"9e5201", "exponent-capped-long-mantissa":
        b"1" + b"0" * 400 + b"e-99999",
    "many-fraction-zeros": b"0." + b"0" * 330 + b"1",
    "fullwidth-12.5": gbk("１２．５"), "ideographic-space-3": gbk("　３"), "fullwidth-minus-2": gbk("－２"),
    "fullwidth-exponent": gbk("１ｅ＋２"), "fullwidth-symbols": b"\xa1\xab\xa1\xee\xa1\xef\xa3\xff1",
    "lone-lead-byte": b"\xb0", "trail-byte-digit": b"\x815", "lead-byte-at-end": b"7\xa3",
    "tie-2p53": b"9007199254740995", "tie-9.9e21": b"9.9e21",
    "tie-after-25th-digit": b"9007199254740993.000000001",
    "tie-by-carry": b"9007199254740992.999999995",
    "digits-40": b"1234567890123456789012345678901234567890",
    "smallest-subnormal": b"4.9406564584124654e-324",
    "half-smallest-subnormal": b"2.4703282292062327208828439643411068618252990130716238221279284125033775364e-324",
    "largest-subnormal": b"2.2250738585072011e-308",
    "largest-double": b"1.7976931348623157e308", "above-largest-double": b"1.797693134862315808e308",
    "empty": b"",
}

def d(x):
    return struct.pack("<d", x)

def bits(b):
    return struct.pack("<Q", b)

NUMBER_TO_TEXT = {
    "96.6": d(96.6), "48.78": d(48.78), "2.68": d(2.68), "100": d(100.0), "12345.678": d(12345.678),
    "zero": d(0.0), "minus-zero": d(-0.0), "minus-2.5": d(-2.5), "third": d(1 / 3), "two-thirds": d(2 / 3),
    "point-three": d(0.1 + 0.2), "13-digits": d(1234567890123.0), "14-digits": d(12345678901234.0),
    "9999999999999.4": d(9999999999999.4), "9999999999999.5": d(9999999999999.5),
    "1e21": d(1e21), "1e100": d(1e100), "0.0001": d(0.0001), "just-below-0.0001": d(0.000099999999999999),
    "1e-5": d(0.00001), "1.5e-10": d(1.5e-10), "minus-0.0001234": d(-0.0001234),
    "two-roundings": d(126.94716248575), "largest": bits(0x7FEFFFFFFFFFFFFF),
    "minus-largest": bits(0xFFEFFFFFFFFFFFFF), "smallest-subnormal": bits(1),
    "largest-subnormal": bits(0x000FFFFFFFFFFFFF),
    "infinity": bits(0x7FF0000000000000), "minus-infinity": bits(0xFFF0000000000000),
    "nan-default": bits(0xFFF8000000000000), "nan-quiet-payload-minus": bits(0xFFF8000000000001),
    "nan-quiet-plus": bits(0x7FF8000000000000), "nan-signalling-plus": bits(0x7FF0000000000001),
    "nan-signalling-minus": bits(0xFFF4000000000000),
    "round-2.675-by-2": d(2.675) + b"\x02", "round-96.55-by-1": d(96.55) + b"\x01",
    "round-1250-by-minus-2": d(1250.0) + b"\xfe", "round-near-half": d(0.4999999999995) + b"\x00",
    "round-1e307-by-2": d(1e307) + b"\x02", "round-8192.5": d(8192.005) + b"\x02",
    "round-16384.5": d(16384.5) + b"\x00",
    "sum-three-thirds": d(100 / 3) * 3, "sum-infinities": d(float("inf")) + d(float("-inf")) + d(1.0),
    "sum-minus-zeros": d(-0.0) * 3, "sum-typical": d(100 / 2.1) + d(31.25) + d(100 / 3.5),
    "sum-cancelling": d(100.0) + d(-50.0) + d(-50.0),
    "sum-once-rounded": d(40.0) + d(100 / 3.4) + d(100 / 2.6276141592332265),
    "quotient-overflow": d(1e-307), "quotient-subnormal": d(1e308),
}

ROWS = {
    "row-empty": [b""] * 6,
    "row-typical": [b"2.10", b"3.20", b"3.50", b"1.95", b"3.40", b"3.60"],
    "row-hundred": [b"3", b"3", b"3", b"2", b"4", b"4"],
    "row-rounded-once": [b"2.5", b"3.4", b"2.6276141592332265", b"800", b"32", b"64"],
    "row-empty-and-text": [b"2", b"", b"2", b"abc", b"2", b"2"],
    "row-zeros": [b"0", b"-0", b"2", b"1", b"-2", b"-2"],
    "row-negative": [b"-2", b"-2", b"-2", b"-2", b"-4", b"-4"],
    "row-huge": [b"1e300", b"1e300", b"1e300", b"1e308", b"1e308", b"1e308"],
    "row-infinite": [b"-1e400", b"-1e400", b"-1e400", b"1e-307", b"1e400", b"1e400"],
    "row-fullwidth": [gbk("２．５"), b" 3.2abc", b"2,5", b"1.5625", b"3.125", b"3.125"],
    "row-ties": [b"9007199254740995", b"9.9e21", b"0.5", b"1e-5201", b"4.9406564584124654e-324", b"7"],
}

def write(folder, seeds):
    path = os.path.join(HERE, folder)
    os.makedirs(path, exist_ok=True)
    for name, data in seeds.items():
        with open(os.path.join(path, name), "wb") as f:
            f.write(data)

write("to_number", TO_NUMBER)
write("number_to_text", NUMBER_TO_TEXT)
write("hedge_path", {name: b"\0".join(texts) for name, texts in ROWS.items()})
write("hedge_path", {"row-missing-boxes": b"1.5\x002"})
