#!/usr/bin/env python3
"""kurvadex-batch speaks the locale's language: --help, option errors, refused
files and the plain summary are English under LANG=C and Japanese under
ja_JP. What it writes into files is not checked here (it never changes).

usage: locale_test.py BATCH SOURCE_DIR
"""
import os
import re
import subprocess
import sys
import tempfile

batch, source = sys.argv[1], sys.argv[2]
# The bundled sample: both sides reach their models.
sample = os.path.join(source, "samples", "racking-test.csv")
JAPANESE = re.compile(r"[\u3000-\u30ff\u3400-\u9fff\uff00-\uffef]")
options_source = open(os.path.join(source, "src", "batch", "batch_options.cpp"), encoding="utf-8").read()
# Every option the parser accepts; --help itself is not listed in the usage.
OPTIONS = sorted(set(re.findall(r'a == "(--[a-z-]+)"', options_source)) - {"--help"})
faults = []


def run(locale, *args, cwd=None):
    env = {k: v for k, v in os.environ.items() if k not in ("LC_ALL", "LC_MESSAGES", "LANGUAGE")}
    env["LANG"] = locale
    r = subprocess.run([batch, *args], capture_output=True, env=env, cwd=cwd)
    return r.returncode, r.stdout.decode("utf-8"), r.stderr.decode("utf-8")


def expect(condition, what):
    if not condition:
        faults.append(what)


def japanese_in(text):
    return sorted(set(JAPANESE.findall(text)))


# --help: every option named in both languages, no Japanese left in English.
for locale in ("C", "ja_JP.UTF-8"):
    code, out, _ = run(locale, "--help")
    expect(code == 0, f"{locale}: --help exits {code}")
    for option in OPTIONS:
        expect(re.search(re.escape(option) + r"(?![a-z-])", out), f"{locale}: --help does not name {option}")
    if locale == "C":
        expect(out.startswith("Usage: kurvadex-batch"), "C: --help does not start with Usage:")
        expect(not japanese_in(out), f"C: Japanese in --help: {japanese_in(out)}")
    else:
        expect(out.startswith("使い方: kurvadex-batch [オプション] ファイル"), "ja: --help is not the Japanese usage")

# An option error and the usage after it, on stderr.
for locale, wanted in (("C", "--dpi must be"), ("ja_JP.UTF-8", "--dpi には 360, 400, 600")):
    code, _, err = run(locale, "--dpi", "5", "x.csv")
    expect(code == 2, f"{locale}: a bad option exits {code}")
    expect(wanted in err, f"{locale}: option error {err.splitlines()[:1]}")
    if locale == "C":
        expect(not japanese_in(err), f"C: Japanese in the option error: {japanese_in(err)}")

with tempfile.TemporaryDirectory() as work:
    # A standard file whose first data row has one value for two channels.
    broken = os.path.join(work, "broken.csv")
    with open(broken, "w") as f:
        f.write("1,2\nP,D\n,\nkN,rad\n1\n")
    for locale, wanted in (("C", "Data error: Data error in line 5"), ("ja_JP.UTF-8", "データエラー: データエラー 第 5 行")):
        code, _, err = run(locale, broken)
        expect(code == 1, f"{locale}: a refused file exits {code}")
        expect(wanted in err, f"{locale}: refused file said {err!r}")
        if locale == "C":
            expect(not japanese_in(err), f"C: Japanese in the refusal: {japanese_in(err)}")

    # The plain summary's labels; the JSON's keys stay the same in both.
    for locale, labels in (("C", ("maximum load: positive side Pmax", "Positive side, perfectly elasto-plastic model: Py",
                                  "Negative side, perfectly elasto-plastic model: Py", "4 channels")),
                           ("ja_JP.UTF-8", ("最大荷重: 正側 Pmax", "正側完全弾塑性モデル: Py", "負側完全弾塑性モデル: Py",
                                            "4 チャンネル"))):
        code, out, err = run(locale, "--skeleton", "--elasto", sample, cwd=work)
        expect(code == 0, f"{locale}: the sample exits {code}: {err}")
        for label in labels:
            expect(label.lower() in out.lower(), f"{locale}: the summary lacks {label!r}:\n{out}")
    json_keys = [re.findall(r'"([A-Za-z_0-9]+)":', run(locale, "--json", "--wall", "1.82", sample, cwd=work)[1])
                 for locale in ("C", "ja_JP.UTF-8")]
    expect(json_keys[0] and json_keys[0] == json_keys[1], "the JSON keys differ between the languages")

for f in faults:
    print(f)
print(f"{len(faults)} fault(s)")
sys.exit(1 if faults else 0)
