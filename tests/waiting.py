# SPDX-License-Identifier: GPL-3.0-or-later
# Shared by the tests that read the running window from outside it: the window
# and what it tells the bus arrive in their own time.
import time


class Failure(Exception):
    pass


def wait_for(found, what, seconds=60.0):
    """found()'s first true answer; Failure once the time is up without one."""
    deadline = time.monotonic() + seconds
    while time.monotonic() < deadline:
        if result := found():
            return result
        time.sleep(0.1)
    raise Failure(f"timed out waiting for {what}")
