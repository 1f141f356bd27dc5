# SPDX-License-Identifier: MIT
"""How the scripted tests of icao end: each failure on a line of its own, their count, and the
status CTest reads."""


def reported(failures):
    """Prints the failures and their count; the exit status, 1 when there is any."""
    for failure in failures:
        print(failure)
    print(f"{len(failures)} failures")
    return 1 if failures else 0
