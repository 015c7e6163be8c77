"""The menu file written and read from its documented byte layout alone, so that a test can start
the real program on items of its choosing and read back what the program saved, without any of
the program's own code in between."""

import os
import struct

GROUPS = range(3, 37)
RECORD_COUNT = 1025
RECORD_SIZE = 1297

# Kind, IconSource, IsBuiltIn, CommandId, Reserved, ImageRow; RunStyle sits at the end.
_NUMBERS = struct.Struct("<iBhihi")
_NUMBER_NAMES = ("Kind", "IconSource", "IsBuiltIn", "CommandId", "Reserved", "ImageRow")
_RUN_STYLE_AT = 1293
TEXTS = (("Path", 17, 255), ("Title", 272, 128), ("CustomIcon", 400, 255),
         ("IconFile", 655, 255), ("Target", 910, 255), ("Arguments", 1165, 128))

KIND_SHORTCUT, KIND_BLANK, KIND_GROUP, KIND_ALL_PROGRAMS = 1, 2, 4, 6
KIND_MEMBER = 5
KIND_RECYCLE_BIN, KIND_COMPUTER, KIND_USER = 9, 10, 12
TRUE = -1


def _capacity(group):
    return 1024 if group == 3 else 36


RECORDS_AT = sum(2 + 4 + 4 + (_capacity(g) + 1) * 4 + 4 for g in GROUPS)
FILE_SIZE = RECORDS_AT + RECORD_COUNT * RECORD_SIZE


def record(**fields):
    """A record with every number 0 and every text never assigned (None), then `fields`."""
    r = dict.fromkeys(_NUMBER_NAMES + ("RunStyle",), 0)
    r.update(dict.fromkeys(name for name, _, _ in TEXTS))
    unknown = set(fields) - set(r)
    assert not unknown, unknown
    r.update(fields)
    return r


def program(kind, row, path, **fields):
    """A record that runs or opens `path`, its picture taken from that file."""
    return record(**{"Kind": kind, "IconSource": 1, "ImageRow": row, "Path": path, "Target": path,
                     **fields})


def default_table(sys_icons):
    """Groups and records shaped like a first start's: the user, My Computer, the recycle bin,
    five empty groups, two shortcuts, blank places up to 36 and the picture templates.
    `sys_icons` is the folder of the item pictures beside the program."""
    icon = lambda name: os.path.join(sys_icons, name)
    records = [record() for _ in range(RECORD_COUNT)]
    records[0] = record(Kind=KIND_USER, Title="Tester")
    records[1] = record(Kind=KIND_COMPUTER, IsBuiltIn=TRUE, CommandId=81, ImageRow=1,
                        Title="My Computer", IconFile=icon("My Computer.png"))
    templates = {
        37: record(Kind=KIND_RECYCLE_BIN, IsBuiltIn=TRUE, CommandId=101,
                   Title="Recycle Bin (Empty)", IconFile=icon("RecycleEmpty.png")),
        38: record(Kind=KIND_RECYCLE_BIN, IsBuiltIn=TRUE, CommandId=101,
                   Title="Recycle Bin (Full)", IconFile=icon("RecycleFull.png")),
        39: record(Kind=KIND_COMPUTER, Title="File", IconFile=icon("File.png")),
        40: record(Kind=KIND_COMPUTER, Title="Blank Shortcut", IconFile=icon("Shortcut.png")),
        41: record(Kind=KIND_COMPUTER, Title="Application", IconFile=icon("Application.png")),
        42: record(Kind=KIND_COMPUTER, Title="Group", IconFile=icon("Group.png")),
    }
    for number, template in templates.items():
        records[number] = dict(template, ImageRow=number)
    records[2] = dict(records[37])
    groups = [(3, KIND_ALL_PROGRAMS, "All Programs Group (Empty)", "All Programs Group.png"),
              (4, KIND_GROUP, "System Folders & Drives Group (Empty)", "Library.png"),
              (5, KIND_GROUP, "Accessories Group (Empty)", "WinGroup.png"),
              (6, KIND_GROUP, "Microsoft Office Suite Group (Empty)", "Microsoft Office Group.png"),
              (7, KIND_GROUP, "Website Group (Empty)", "Website Group.png"),
              (8, KIND_SHORTCUT, "Internet", "Internet.png"),
              (9, KIND_SHORTCUT, "Check Email", "Mailbox.png")]
    for number, kind, title, picture in groups:
        records[number] = record(Kind=kind, ImageRow=number, Title=title, IconFile=icon(picture))
    for number in range(10, 37):
        records[number] = record(Kind=KIND_BLANK, ImageRow=number, Title="Blank Shortcut",
                                 IconFile=icon("Shortcut.png"))
    return {g: [g] for g in GROUPS}, records


def _text(value, size):
    if value is None:
        return bytes(size)
    data = value.encode()[:size]
    while data:  # never cut inside a character
        try:
            data.decode()
            break
        except UnicodeDecodeError:
            data = data[:-1]
    return data.ljust(size, b" ")


def encode(groups, records):
    """The file's bytes: `groups` maps 3..36 to [own record, members...], `records` has 1025."""
    assert sorted(groups) == list(GROUPS) and len(records) == RECORD_COUNT
    out = bytearray()
    for g in GROUPS:
        elements = groups[g] + [0] * (_capacity(g) + 1 - len(groups[g]))
        out += struct.pack(f"<hii{len(elements)}ii", 1, len(elements), 0, *elements,
                           len(groups[g]) - 1)
    for r in records:
        out += _NUMBERS.pack(*(r[name] for name in _NUMBER_NAMES))
        for name, _, size in TEXTS:
            out += _text(r[name], size)
        out += struct.pack("<i", r["RunStyle"])
    assert len(out) == FILE_SIZE
    return bytes(out)


def write(path, groups, records):
    os.makedirs(os.path.dirname(path), exist_ok=True)
    with open(path, "wb") as f:
        f.write(encode(groups, records))


def decode(data):
    """(groups, records) of a whole file; texts read up to their first NUL, spaces trimmed."""
    assert len(data) == FILE_SIZE, len(data)
    groups, at = {}, 0
    for g in GROUPS:
        dimensions, count, lower = struct.unpack_from("<hii", data, at)
        assert (dimensions, count, lower) == (1, _capacity(g) + 1, 0), g
        elements = struct.unpack_from(f"<{count}i", data, at + 10)
        members = struct.unpack_from("<i", data, at + 10 + 4 * count)[0]
        groups[g] = list(elements[:members + 1])
        at += 10 + 4 * count + 4
    records = []
    for n in range(RECORD_COUNT):
        at = RECORDS_AT + n * RECORD_SIZE
        r = dict(zip(_NUMBER_NAMES, _NUMBERS.unpack_from(data, at)))
        for name, offset, size in TEXTS:
            field = data[at + offset:at + offset + size]
            r[name] = field.split(b"\0", 1)[0].decode().strip(" ")
        r["RunStyle"] = struct.unpack_from("<i", data, at + _RUN_STYLE_AT)[0]
        records.append(r)
    return groups, records


def read(path):
    with open(path, "rb") as f:
        return decode(f.read())


def as_read(r):
    """`r` as it reads back from a file: a text never assigned reads as empty."""
    return {name: "" if value is None else value for name, value in r.items()}
