#!/usr/bin/env python3
"""Runs scripts/install-deps.sh against stand-ins for apt-get, dpkg-query, dpkg and id
(as if run by root) that fail as a mirror in the middle of a sync or a missing package
makes apt fail: an index that cannot be updated must be passed over in one line, and a
failed install must end the script in one line that names the packages not installed
and apt's first error.

Usage: check_install_deps.py INSTALL_DEPS_SCRIPT
"""
import os
import stat
import subprocess
import sys
import tempfile

sys.dont_write_bytecode = True  # leave no __pycache__ in the source folder
sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "cli"))
from failures import check, finish  # noqa: E402

# Apt's own words when an index fails and when a package cannot be found.
UPDATE_FAILURE = "\n".join(
    [f"Get:{n} http://deb.debian.org/debian bookworm InRelease" for n in range(1, 28)]
    + ["Err:28 http://security.debian.org/debian-security bookworm-security/main i386 Packages",
       "E: Failed to fetch http://security.debian.org/debian-security/dists/bookworm-security/"
       "main/binary-i386/Packages  File has unexpected size (123 != 456). Mirror sync in "
       "progress?",
       "E: Some index files failed to download. They have been ignored, or old ones used "
       "instead."])

# The stand-ins keep the installed packages in $STATE/installed, one a line.
STAND_INS = {
    "id": 'echo 0\n',
    "dpkg-query": 'grep -qx "${@: -1}" "$STATE/installed" && printf "install ok installed"\n',
    "dpkg": '[ "$1" = --print-foreign-architectures ] && echo i386\nexit 0\n',
    "apt-get": r'''
case " $* " in
  *" update "*)
    if [ -n "$UPDATE_FAILS" ]; then cat "$STATE/update_failure"; exit 100; fi
    exit 0 ;;
esac
status=0
for argument in "$@"; do
  case "$argument" in -*|install|Dpkg::*) continue ;; esac
  if grep -qx "$argument" "$STATE/unavailable" 2>/dev/null; then
    echo "E: Unable to locate package $argument"
    status=100
  fi
done
[ "$status" -eq 0 ] || exit "$status"
for argument in "$@"; do
  case "$argument" in -*|install|Dpkg::*) continue ;; esac
  if grep -qx "$argument" "$STATE/broken" 2>/dev/null; then
    echo "dpkg: error processing package $argument (--configure):"
    status=100
  else
    echo "Setting up $argument ..."
    echo "$argument" >> "$STATE/installed"
  fi
done
[ "$status" -eq 0 ] || echo "E: Sub-process /usr/bin/dpkg returned an error code (1)"
exit "$status"
''',
}

def run_case(script, what, update_fails, unavailable, expected_status, expected_err,
             installed_after, broken=()):
    with tempfile.TemporaryDirectory(prefix="install-deps-") as state:
        bin_folder = os.path.join(state, "bin")
        os.mkdir(bin_folder)
        for name, body in STAND_INS.items():
            path = os.path.join(bin_folder, name)
            with open(path, "w") as file:
                file.write("#!/bin/bash\n" + body)
            os.chmod(path, stat.S_IRWXU)
        with open(os.path.join(state, "update_failure"), "w") as file:
            file.write(UPDATE_FAILURE + "\n")
        with open(os.path.join(state, "installed"), "w") as file:
            file.write("cmake\nninja-build\n")
        with open(os.path.join(state, "unavailable"), "w") as file:
            file.write("".join(name + "\n" for name in unavailable))
        with open(os.path.join(state, "broken"), "w") as file:
            file.write("".join(name + "\n" for name in broken))
        environment = dict(os.environ, STATE=state,
                           PATH=bin_folder + os.pathsep + os.environ["PATH"])
        if update_fails:
            environment["UPDATE_FAILS"] = "1"
        result = subprocess.run(["bash", script, "--tool"], stdin=subprocess.DEVNULL,
                                capture_output=True, text=True, env=environment, check=False)
        with open(os.path.join(state, "installed")) as file:
            installed = file.read().split()
    check(result.returncode == expected_status,
          f"{what}: exit status {result.returncode}, expected {expected_status}")
    check(result.stderr == expected_err,
          f"{what}: standard error\n  {result.stderr!r}\nexpected\n  {expected_err!r}")
    check(result.stdout == "install-deps: installing g++ python3 libcli11-dev nlohmann-json3-dev\n",
          f"{what}: standard output {result.stdout!r}")
    check(sorted(installed) == sorted(installed_after), f"{what}: installed {installed}")


def main():
    if len(sys.argv) != 2:
        sys.exit(__doc__)
    script = sys.argv[1]
    everything = ["cmake", "ninja-build", "g++", "python3", "libcli11-dev",
                  "nlohmann-json3-dev"]
    skipped_indexes = ("install-deps: some package indexes could not be updated; "
                       "installing from what is there\n")
    run_case(script, "every index updated", False, [], 0, "", everything)
    run_case(script, "an index not updated", True, [], 0, skipped_indexes, everything)
    # Apt installs nothing when it cannot find a package.
    run_case(script, "two packages missing", True, ["libcli11-dev", "python3"], 1,
             skipped_indexes + "install-deps: could not install g++ python3 libcli11-dev "
             "nlohmann-json3-dev: E: Unable to locate package python3\n", ["cmake", "ninja-build"])
    run_case(script, "two packages failing to set up", True, [], 1,
             skipped_indexes + "install-deps: could not install python3 libcli11-dev: "
             "E: Sub-process /usr/bin/dpkg returned an error code (1)\n",
             ["cmake", "ninja-build", "g++", "nlohmann-json3-dev"],
             broken=["python3", "libcli11-dev"])
    run_case(script, "a package missing, indexes updated", False, ["nlohmann-json3-dev"], 1,
             "install-deps: could not install g++ python3 libcli11-dev nlohmann-json3-dev: "
             "E: Unable to locate package nlohmann-json3-dev\n", ["cmake", "ninja-build"])
    finish("install-deps.sh: every case as expected")


if __name__ == "__main__":
    main()
