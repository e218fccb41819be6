#!/usr/bin/env python3
"""The release files a build writes: SHA256SUMS that names the setup program
and the portable zip after the version and vouches for both, and a zip that
holds the programs as built and the README, and nothing else.

    release_files_test.py DIST VERSION PAVANE.EXE PAVANECTL.EXE
"""
import hashlib
import os
import sys
import zipfile


def main(dist, version, pavane, pavanectl):
    failures = []
    setup, portable = f"Pavane-{version}-setup.exe", f"Pavane-{version}.zip"
    # SHA256SUMS names the release files; tools/package copies what it names.
    with open(os.path.join(dist, "SHA256SUMS")) as sums:
        listed = dict(reversed(line.split()) for line in sums)
    if sorted(listed) != sorted([setup, portable]):
        failures.append(f"SHA256SUMS lists {sorted(listed)}")
    for name in (setup, portable):
        with open(os.path.join(dist, name), "rb") as file:
            if listed.get(name) != hashlib.sha256(file.read()).hexdigest():
                failures.append(f"SHA256SUMS does not vouch for {name}")

    with zipfile.ZipFile(os.path.join(dist, portable)) as archive:
        if sorted(archive.namelist()) != ["Pavane.exe", "README.txt", "pavanectl.exe"]:
            failures.append(f"{portable} holds {archive.namelist()}")
        else:
            for name, built in (("Pavane.exe", pavane), ("pavanectl.exe", pavanectl)):
                with open(built, "rb") as file:
                    if archive.read(name) != file.read():
                        failures.append(f"{portable}: {name} is not the build's")
            readme = archive.read("README.txt").decode("ascii")
            if f"Pavane {version}" not in readme or "\n" in readme.replace("\r\n", ""):
                failures.append("README.txt does not name the version in Windows lines")
    for failure in failures:
        print("FAIL:", failure)
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main(*sys.argv[1:]))
