"""The zip for installing by hand holds the two programs, the database, the documents and the
instructions, in one folder named with the version. Usage: check_zip.py ZIP VERSION"""
import sys
import zipfile

archive, version = sys.argv[1], sys.argv[2]
folder = "TavrinDaybook-%s/" % version
expected = {folder + name for name in (
    "morvest.exe", "morvsave.scr", "MORVEST.DAT", "INSTALL.txt", "html/manual.htm",
    "html/referenc.htm", "html/drivers.htm", "html/daybook.css")}
with zipfile.ZipFile(archive) as opened:
    names = {name for name in opened.namelist() if not name.endswith("/")}
    instructions = opened.read(folder + "INSTALL.txt").decode("ascii")
missing, extra = expected - names, names - expected
problems = ["missing " + name for name in sorted(missing)] + ["unexpected " + name for name in sorted(extra)]
if version not in instructions or "\r\n" not in instructions:
    problems.append("INSTALL.txt does not name the version with Windows line ends")
print("\n".join(problems) or "the zip holds %d files" % len(names))
sys.exit(1 if problems else 0)
