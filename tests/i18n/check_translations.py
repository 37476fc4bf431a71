"""Compares the texts in src/views and src/app with what lupdate marked, and checks the .ts files."""
import pathlib
import re
import sys
import xml.etree.ElementTree as ET

root = pathlib.Path(sys.argv[1])
work = pathlib.Path(sys.argv[2])

# Texts that are the same in every language: the product's name, and the command a user types.
SAME_IN_EVERY_LANGUAGE = {
    "Linkmeter",
    "gnome-extensions enable ubuntu-appindicators@ubuntu.com",
    # Names the program compares with what the desktop reports, never shown.
    "GNOME",
    "Adwaita",
}
# Files whose texts are for scripts and logs, which stay English on purpose.
NOT_FOR_READERS = {
    "app/CommandLine.cpp", "app/ReportCommand.cpp", "app/MetricsCommand.cpp", "app/StartupChecks.cpp",
    "app/main.cpp", "app/AppContext.cpp", "app/PartRegistry.cpp", "app/UnixSignalWatcher.cpp",
}

# Literals handed to Qt as strings; tr() and the translate macros are not among them.
LITERAL = re.compile(r'(?:QStringLiteral|QLatin1String|QLatin1StringView|QString::fromLatin1|QString::fromUtf8)'
                     r'\(\s*((?:"(?:[^"\\]|\\.)*"\s*)+)\)')


def reads_as_prose(text):
    """A text a person reads: letters, and a space or a capital; not a key, a name or a format."""
    if not re.search(r"[A-Za-z]{2}", text):
        return False
    # Figures with their units ("%1 dBm", "%1 (%2 MHz)") read the same in every language.
    if not re.search(r"[A-Za-z]{2}", re.sub(r"%\d|\b(dBm|dB|Mbps|MHz|GHz|ms)\b", "", text)):
        return False
    if re.fullmatch(r"[a-z][A-Za-z0-9._:/-]*", text):  # object, symbol and key names
        return False
    if re.search(r"[{};]|^[#:.]|://|^rgba?\(", text):  # style sheets, colours, resources, addresses
        return False
    if re.fullmatch(r"[dMyHhmsAap ,.:'/-]+", text):  # date and time formats
        return False
    return " " in text or text[0].isupper()


def unescape(group):
    parts = re.findall(r'"((?:[^"\\]|\\.)*)"', group)
    # \uXXXX names a character, not UTF-8 bytes: put the character in before the byte escapes are read.
    text = re.sub(r"\\u([0-9a-fA-F]{4})", lambda m: chr(int(m.group(1), 16)), "".join(parts))
    return text.encode().decode("unicode_escape").encode("latin-1").decode("utf-8")


marked = {m.findtext("source") for m in ET.parse(work / "all.ts").iter("message")}
problems = []
for folder in ("views", "viewmodel", "app"):
    for path in sorted((root / "src" / folder).rglob("*.cpp")):
        name = path.relative_to(root / "src").as_posix()
        if name in NOT_FOR_READERS:
            continue
        source = path.read_text(encoding="utf-8")
        for match in LITERAL.finditer(source):
            text = unescape(match.group(1))
            if reads_as_prose(text) and text not in SAME_IN_EVERY_LANGUAGE:
                line = source.count("\n", 0, match.start()) + 1
                problems.append(f"src/{name}:{line}: not marked for translation: {text!r}")

for ts in sorted((root / "translations").glob("*.ts")):
    for message in ET.parse(ts).iter("message"):
        kind = message.find("translation").get("type")
        if kind in ("unfinished", "obsolete", "vanished"):
            problems.append(f"translations/{ts.name}: {kind} entry: {message.findtext('source')!r}")
    for message in ET.parse(work / ts.name).iter("message"):
        kind = message.find("translation").get("type")
        if kind in ("obsolete", "vanished"):
            problems.append(f"translations/{ts.name}: no source has {message.findtext('source')!r} any more")
        elif kind == "unfinished":
            # Marked in the sources but not yet in the file: run the update_translations target.
            problems.append(f"translations/{ts.name}: not translated yet: {message.findtext('source')!r}")

for problem in problems:
    print(problem)
print(f"{len(marked)} marked texts; {len(problems)} problems")
sys.exit(1 if problems else 0)
