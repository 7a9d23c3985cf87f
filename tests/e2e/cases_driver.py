"""The driver: argument check, version banner, finding and loading vornik.conf."""

from e2e_case import Case

CONF = "VRN_USER=alice\nVRN_EMAIL=alice@example.org\n"
BANNER = "Vornik 1.1\nWritten by the vornik developers.\nhttps://vornik.example.org/\n"
NOT_ENOUGH = "Not enough arguments.\n"
CONFIG_MISSING = ("Config: File not found.\n\n"
                  "Make sure vornik.conf exists in the same directory as the binary.\n")
UNKNOWN = "Unknown command.\n"

CASES = [
    # The argument check comes before anything is read.
    Case("no-words", [], conf=CONF, exit_code=1, stdout="{pause}", stderr=NOT_ENOUGH),
    Case("stat-without-path", ["stat"], conf=CONF, exit_code=1, stdout="{pause}",
         stderr=NOT_ENOUGH),
    Case("install-shell-without-type", ["install_shell"], conf=CONF, exit_code=1,
         stdout="{pause}", stderr=NOT_ENOUGH),
    Case("unknown-word-alone", ["frobnicate"], conf=CONF, exit_code=1, stdout="{pause}",
         stderr=NOT_ENOUGH),
    Case("version-word-is-case-sensitive", ["-V"], conf=CONF, exit_code=1, stdout="{pause}",
         stderr=NOT_ENOUGH),
    Case("not-enough-without-config", ["checkin"], exit_code=1, stdout="{pause}",
         stderr=NOT_ENOUGH),

    # -v reads no file and never pauses.
    Case("version", ["-v"], stdout=BANNER),
    Case("version-ignores-further-words", ["-v", "stat", "x"], stdout=BANNER),
    Case("version-bare-name", ["-v"], invoke="bare", cwd="bin", stdout=BANNER),
    Case("version-forward-slashes", ["-v"], invoke="forward", stdout=BANNER),
    Case("version-with-config", ["-v"], conf=CONF, stdout=BANNER),

    # vornik.conf is found through the last backslash of word 0 only.
    Case("config-beside-backslash-path", ["frobnicate", "x"], conf=CONF, exit_code=1,
         stdout="{pause}", stderr=UNKNOWN),
    Case("config-forward-slashes-use-current-directory", ["frobnicate", "x"], conf=CONF,
         invoke="forward", exit_code=1, stdout="{pause}", stderr=CONFIG_MISSING),
    Case("config-forward-slashes-found-in-current-directory", ["frobnicate", "x"],
         invoke="forward", files={"{root}/vornik.conf": CONF}, exit_code=1,
         stdout="{pause}", stderr=UNKNOWN),
    Case("config-bare-name-in-program-folder", ["frobnicate", "x"], conf=CONF, invoke="bare",
         cwd="bin", exit_code=1, stdout="{pause}", stderr=UNKNOWN),
    Case("config-bare-name-elsewhere", ["frobnicate", "x"], conf=CONF, invoke="bare",
         cwd="root", exit_code=1, stdout="{pause}", stderr=CONFIG_MISSING),
    Case("config-bare-name-reads-current-directory", ["frobnicate", "x"], invoke="bare",
         cwd="root", files={"{root}/vornik.conf": CONF}, exit_code=1, stdout="{pause}",
         stderr=UNKNOWN),
    Case("config-beside-program-on-second-drive", ["frobnicate", "x"], conf=CONF,
         program_dir="{mirror}/tools", exit_code=1, stdout="{pause}", stderr=UNKNOWN),
    Case("config-that-is-a-directory", ["frobnicate", "x"],
         files={"{root}/bin/vornik.conf": None}, exit_code=1, stdout="{pause}",
         stderr=CONFIG_MISSING),
    Case("config-empty-file-loads", ["frobnicate", "x"], conf="", exit_code=1,
         stdout="{pause}", stderr=UNKNOWN),
    Case("config-stdin-answers-the-pause", ["frobnicate", "x"], conf=CONF, stdin="y\n",
         exit_code=1, stdout="{pause}", stderr=UNKNOWN),
]

# Every command but -v needs vornik.conf, the Explorer-menu commands included; the report
# comes before the command word is looked at.
for words in (["install_shell", "txt"], ["uninstall_shell", "txt"], ["install_shell_dir"],
              ["uninstall_shell_dir"], ["stat", "{root}\\a.txt"], ["checkin", "{root}\\a.txt"],
              ["checkout", "{root}\\a.txt"], ["edit", "{root}\\a.txt"],
              ["get", "{root}\\a.txt"], ["put", "{root}\\a.txt"], ["checkin_dir", "{root}"],
              ["STAT", "{root}\\a.txt"]):
    CASES.append(Case(f"config-missing-{words[0]}", words, files={"{root}/a.txt": "alpha\n"},
                      exit_code=1, stdout="{pause}", stderr=CONFIG_MISSING,
                      expect_files={"{root}/a.txt": "alpha\n", "{root}/a.txt.LCK": None}))
