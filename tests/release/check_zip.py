# The zip: README.txt and an exe without debug sections that imports only Windows' DLLs, whose
# version resource (as wrestool reads it) is Swedish, Windows-1252, of project(VERSION) argv[2].
import re, struct, subprocess, sys, zipfile
z, v = zipfile.ZipFile(sys.argv[1]), sys.argv[2]
assert sorted(z.namelist()) == ["README.txt", "prickverket.exe"], z.namelist()
def out(*cmd): return subprocess.check_output([*cmd, z.extract("prickverket.exe")])
o = out("x86_64-w64-mingw32-objdump", "-hp")
bad = re.findall(rb"\.debug_\w+|DLL Name: (?!(?i:kernel32|user32|gdi32|comdlg32|comctl32|msvcrt|"
                 rb"advapi32|shell32|ole32)\.dll\n).*", o)
assert not bad, bad
r = out("wrestool", "-x", "--raw", "-t", "16")
a, b, c = map(int, v.split("."))
assert r[40:64] == struct.pack("<6I", 0xFEEF04BD, 1 << 16, *[a << 16 | b, c << 16] * 2), r[40:64]
t = r.decode("utf-16le", "replace")
assert "041D04E4\0" in t and "Translation\0\0\u041d\u04e4" in t, "not Swedish, Windows-1252"
want = dict(FileVersion=v, ProductVersion=v, InternalName="Prickverket", ProductName="Prickverket",
            OriginalFilename="prickverket.exe", FileDescription="Prickverket \u2013 ikonredigerare")
assert want.items() <= dict(re.findall("\x01([A-Z]\\w+)\0+([^\0]+)\0", t)).items(), t
