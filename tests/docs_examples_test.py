#!/usr/bin/env python3
"""Runs every kurvadex-batch example of the README and the guides (Japanese
and English), as written, on copies of the bundled sample: each must exit 0
and leave the files it names (--summary, --report, --wall-file, --image,
--pdf, --files' results).

    docs_examples_test.py BATCH_BINARY SOURCE_DIR
"""
import os
import re
import shlex
import shutil
import subprocess
import sys
import tempfile

batch, source = sys.argv[1], sys.argv[2]
sample = os.path.join(source, "samples", "racking-test.csv")
examples = []
for doc in ("README.md", os.path.join("docs", "guide.md"), os.path.join("docs", "guide.en.md")):
    text = open(os.path.join(source, doc), encoding="utf-8").read()
    for block in re.findall(r"```(?:sh|bash)?\n(.*?)```", text, re.S):
        for line in block.splitlines():
            line = line.strip()
            # Usage lines show placeholders ([options] FILE), not a command to run.
            if line.startswith("kurvadex-batch ") and "[" not in line:
                examples.append((doc, line))
if len(examples) < 5:
    sys.exit("found only %d examples: the documents' code blocks changed shape" % len(examples))

# A folder per document: a document's examples follow one another (--summarize
# reads the result file an earlier one wrote), as a reader would run them, and
# one document's files do not meet another's (a result file already there is refused).
works = {}
env = dict(os.environ, PATH=os.path.dirname(os.path.abspath(batch)) + os.pathsep + os.environ["PATH"])
failed = 0
for doc, line in examples:
    if doc not in works:
        works[doc] = tempfile.mkdtemp()
    work = works[doc]
    args = shlex.split(line)
    for name in args[1:]:
        if name.endswith(".csv") and not name.startswith("-") and name not in ("series.csv",):
            # Data files the example reads: copies of the sample (result files are written).
            previous = args[args.index(name) - 1]
            if previous not in ("--summary", "--wall-file", "--summarize", "--save-standard"):
                shutil.copy(sample, os.path.join(work, name))
    result = subprocess.run(args, cwd=work, env=env, capture_output=True)
    named = [args[i + 1] for i, a in enumerate(args[:-1])
             if a in ("--summary", "--report", "--wall-file", "--image", "--pdf", "--save-standard")]
    if "--files" in args:
        named += ["ELASTO.CSV"] if "--skeleton" in args or "--wall" in args else []
        named += ["CYCLES.CSV"] if "--cycles" in args else []
        named += ["METHODS.CSV"] if "--methods" in args else []
    missing = [n for n in named if not os.path.exists(os.path.join(work, n))]
    if result.returncode != 0 or missing:
        failed += 1
        print("FAILED (%s): %s\n  exit %d, missing %s\n%s" % (doc, line, result.returncode, missing,
                                                            result.stderr.decode("utf-8", "replace")[-2000:]))
    else:
        print("ok (%s): %s" % (doc, line))
for work in works.values():
    shutil.rmtree(work)
sys.exit(1 if failed else 0)
