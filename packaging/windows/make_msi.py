#!/usr/bin/python3
"""Builds an installer with wixl, the same bytes from every build of the same source.

wixl stamps the clock's time on the summary's created and saved dates and on the program in the
cabinet, and gives each installer a random package code. Here the program goes in with the time
of DATE_FILE (tools/source_date.sh), the summary's dates become that time, and the package code
follows from the installer's content, version and architecture: the same installer has the same
code, any other another one, as Windows Installer asks.
Usage: make_msi.py WIXL WXS MSI ARCHITECTURE PROGRAM STAGED_PROGRAM DATE_FILE UPGRADE_CODE VERSION
"""
import hashlib
import os
import shutil
import subprocess
import sys
import uuid

import gi

gi.require_version("Libmsi", "1.0")
from gi.repository import Libmsi  # noqa: E402

wixl, wxs, msi, architecture, program, staged, date_file, upgrade_code, version = sys.argv[1:]
with open(date_file) as file:
    epoch = int(file.read())

os.makedirs(os.path.dirname(staged), exist_ok=True)
shutil.copyfile(program, staged)
os.utime(staged, (epoch, epoch))
# The cabinet keeps a file's time in local time.
subprocess.run([wixl, "-a", architecture, "-o", msi, wxs], check=True, env=dict(os.environ, TZ="UTC"))


def set_summary(package_code):
    database = Libmsi.Database.new(msi, Libmsi.DbFlags.TRANSACT, None)
    summary = Libmsi.SummaryInfo.new(database, 100)
    # FILETIME: 100 ns since 1601.
    filetime = (epoch + 11644473600) * 10_000_000
    for date in (Libmsi.Property.CREATED_TM, Libmsi.Property.LASTSAVED_TM):
        summary.set_filetime(date, filetime)
    summary.set_string(Libmsi.Property.UUID, package_code)
    if not summary.persist() or not database.commit():
        sys.exit(f"make_msi.py: cannot write the summary of {msi}")


set_summary("{00000000-0000-0000-0000-000000000000}")
with open(msi, "rb") as file:
    content = hashlib.sha256(file.read()).hexdigest()
code = uuid.uuid5(uuid.UUID(upgrade_code), f"{version} {architecture} {content}")
set_summary("{%s}" % str(code).upper())
