"""One end-to-end case: what the user sets up and types, and what must come of it."""

import dataclasses
from typing import Dict, List, Optional


@dataclasses.dataclass
class Case:
    name: str
    words: List[str]                  # the words after the program's path
    conf: Optional[str] = None        # vornik.conf beside the program; None: no such file
    files: Dict[str, Optional[str]] = dataclasses.field(default_factory=dict)
    # ^ host paths with {root}/{mirror} -> content; None makes a directory
    stdin: str = ""                   # piped to standard input, then the input ends
    invoke: str = "backslash"         # word 0: "backslash" or "forward" full path, or "bare"
    cwd: str = "root"                 # "root": the case folder; "bin": the program's folder
    program_dir: str = "{root}/bin"   # host folder that holds the program (and vornik.conf)
    exit_code: Optional[int] = 0
    stdout: Optional[str] = ""        # None: not checked
    stderr: Optional[str] = ""
    expect_files: Dict[str, Optional[str]] = dataclasses.field(default_factory=dict)
    # ^ host paths -> expected content; None: must not exist
