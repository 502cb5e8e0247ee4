#!/usr/bin/env python3
"""Checks what the release archives hold, against the repository and the builds they were made from.

  check_release.py windows ZIP VERSION SECONDS [--studio]     the Windows authors' zip
  check_release.py linux TARBALL VERSION SECONDS               the native tool's tarball
  check_release.py junit OUT.xml    writes lines NAME|passed, NAME|failed|WHY, NAME|skipped|WHY (from the
                                    standard input) as a JUnit report the test command's summary counts

SECONDS is the commit time every entry must carry; --studio: the build has Jorvo Studio, so the zip must
hold it. The tarball's tool must pack the text demo with the templates installed beside it. Prints each
problem and exits 1 when there is one."""
import gzip
import os
import subprocess
import sys
import tarfile
import tempfile
import time
import zipfile
from xml.sax.saxutils import escape, quoteattr

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
DEMOS = [k for k in ("text", "pictures", "audio", "video")
         if os.path.exists(os.path.join(ROOT, "examples", k, k + ".quiz"))]
problems = []


def expect(condition, problem):
    if not condition:
        problems.append(problem)
    return condition


def repo_files(folder):
    out = subprocess.run(["git", "-C", ROOT, "ls-files", "-z", folder], check=True, capture_output=True).stdout
    return [f for f in out.decode().split("\0") if f]


def read(path):
    with open(os.path.join(ROOT, path), "rb") as f:
        return f.read()


def check_order(names, what):
    expect(names == sorted(names), f"{what}: the entries are not sorted by name")


def check_dates(wrong, date):
    expect(not wrong, f"{len(wrong)} entries ({', '.join(wrong[:3])}...) are not dated {date}")


def check_windows(path, version, seconds, studio):
    top = f"jorvo-{version}-windows/"
    with zipfile.ZipFile(path) as archive:
        infos = archive.infolist()
        names = [i.filename for i in infos]
        check_order(names, path)
        date = time.gmtime(seconds)[:6]
        date = date[:5] + (date[5] - date[5] % 2,)   # a zip counts time in two seconds
        check_dates([i.filename for i in infos if i.date_time != date], f"the commit's {date}")
        for i in infos:
            expect(i.filename.startswith(top), f"{i.filename}: outside {top}")
            expect(not i.extra, f"{i.filename}: carries extra fields")
            expect(i.create_system == 3 and (i.external_attr >> 16) & 0o7777 in (0o644, 0o755),
                   f"{i.filename}: mode {oct(i.external_attr >> 16)}")
        files = {n[len(top):]: archive.read(n) for n in names if not n.endswith("/")}

    wanted = {"jorvo-maker.exe", "LISEZMOI.txt"} | ({"jorvo-studio.exe"} if studio else set())
    for kind in DEMOS:
        wanted.add(f"demos/jorvo-{kind}.exe")
        for f in repo_files(f"examples/{kind}"):
            wanted.add(f"exemples/{kind}/{os.path.basename(f)}")
            if f"exemples/{kind}/{os.path.basename(f)}" in files:
                expect(files[f"exemples/{kind}/{os.path.basename(f)}"] == read(f), f"{f}: differs in the zip")
    for name in sorted(wanted - files.keys()):
        problems.append(f"{path}: {name} is missing")
    for name in sorted(files.keys() - wanted):
        problems.append(f"{path}: {name} should not be there")

    for name, data in files.items():
        if name.endswith(".exe"):
            expect(data[:2] == b"MZ", f"{name}: not a Windows program")
    for kind in DEMOS:
        name = f"demos/jorvo-{kind}.exe"
        if name in files:
            expect(files[name] == read(f"build/win32/examples/jorvo-{kind}.exe"),
                   f"{name}: not the demo program the build packed")

    text = files.get("LISEZMOI.txt", b"")
    if expect(text.startswith(b"\xef\xbb\xbf"), "LISEZMOI.txt: no UTF-8 byte order mark (Notepad would guess)"):
        body = text[3:]
        expect(body.count(b"\n") == body.count(b"\r\n") > 0, "LISEZMOI.txt: not every line ends with CRLF")
        try:
            expect(body.decode("utf-8").replace("\r\n", "\n") == read("docs/LISEZMOI.txt").decode("utf-8"),
                   "LISEZMOI.txt: not the text of docs/LISEZMOI.txt")
        except UnicodeDecodeError as e:
            problems.append(f"LISEZMOI.txt: not UTF-8 ({e})")


def check_linux(path, version, seconds):
    top = f"jorvo-{version}-linux-x86_64"
    with open(path, "rb") as f:
        header = f.read(10)
    expect(header[:3] == b"\x1f\x8b\x08" and header[3] & 0x08 == 0 and header[4:8] == b"\0\0\0\0",
           f"{path}: the gzip header holds a file name or a time")
    with tarfile.open(path, "r:gz") as archive:
        members = archive.getmembers()
        check_order([m.name for m in members], path)
        check_dates([m.name for m in members if m.mtime != seconds], f"the commit's {seconds}")
        for m in members:
            expect(m.name == top or m.name.startswith(top + "/"), f"{m.name}: outside {top}/")
            expect((m.uid, m.gid, m.uname, m.gname) == (0, 0, "root", "root"), f"{m.name}: not owned by root")
            expect(m.isdir() or m.isfile(), f"{m.name}: neither a file nor a folder")
            expect(not m.pax_headers, f"{m.name}: carries extended headers")
        files = {m.name[len(top) + 1:]: m for m in members if m.isfile()}
        maker = files.get("bin/jorvo-maker")
        if expect(maker is not None, f"{path}: bin/jorvo-maker is missing"):
            expect(maker.mode == 0o755, f"bin/jorvo-maker: mode {oct(maker.mode)}")
            expect(archive.extractfile(maker).read(4) == b"\x7fELF", "bin/jorvo-maker: not a Linux program")
        shared = sorted(n for n in files if n.startswith("share/jorvo/"))
        expect(shared == ["share/jorvo/jorvo-template-i686.exe", "share/jorvo/jorvo-template-x86_64.exe"],
               f"{path}: share/jorvo holds {shared}, not the two player templates")
        if "share/jorvo/jorvo-template-i686.exe" in files:
            expect(archive.extractfile(files["share/jorvo/jorvo-template-i686.exe"]).read() ==
                   read("build/win32/shell/jorvo-template-i686.exe"),
                   "the i686 template differs from the one the win32 build made")
        with tempfile.TemporaryDirectory() as work:
            archive.extractall(work, filter="tar") if hasattr(tarfile, "data_filter") else archive.extractall(work)
            check_installed_maker(os.path.join(work, top, "bin", "jorvo-maker"), work)


def check_installed_maker(maker, work):
    """The installed tool, started from its bin/ folder with no template named, packs the text demo into
    the same program as the build."""
    if "text" not in DEMOS or not os.path.exists(maker):
        return
    out = os.path.join(work, "text.exe")
    run = subprocess.run([maker, "pack", os.path.join(ROOT, "examples", "text", "text.quiz"), "-o", out],
                         capture_output=True, text=True)
    if expect(run.returncode == 0, f"the installed jorvo-maker does not pack the text demo: {run.stderr.strip()}"):
        with open(out, "rb") as f:
            expect(f.read() == read("build/win32/examples/jorvo-text.exe"),
                   "the installed jorvo-maker packs the text demo into another program than the build's")


def write_junit(out):
    cases = []
    for line in sys.stdin.read().splitlines():
        name, status, why = line.split("|", 2)
        ctest_status = {"passed": "run", "failed": "fail", "skipped": "notrun"}[status]
        body = {"failed": f"<failure message={quoteattr(why)}>{escape(why)}</failure>",
                "skipped": f"<skipped message={quoteattr(why)}/>"}.get(status, "")
        cases.append(f"<testcase name={quoteattr(name)} status={quoteattr(ctest_status)}>{body}</testcase>")
    with open(out, "w", encoding="utf-8") as f:
        f.write(f'<testsuite name="release" tests="{len(cases)}">' + "".join(cases) + "</testsuite>\n")


def main(argv):
    if len(argv) == 3 and argv[1] == "junit":
        write_junit(argv[2])
        return 0
    if len(argv) < 5 or argv[1] not in ("windows", "linux"):
        sys.stderr.write(__doc__)
        return 2
    kind, path, version, seconds, flags = argv[1], argv[2], argv[3], int(argv[4]), argv[5:]
    if kind == "windows":
        check_windows(path, version, seconds, "--studio" in flags)
    else:
        check_linux(path, version, seconds)
    for p in problems:
        print(p)
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
