#!/usr/bin/env python3
"""The installed program: its files validate, it keeps a user's data in the
per-user folder when its own folder is read-only, --slozka picks a folder, and
a folder that takes no data is told in Czech instead of a crash.

usage: install_test.py <build folder> <cmake>
"""
import csv
import io
import os
import pwd
import shutil
import signal
import struct
import subprocess
import sys
import tempfile
import time
import unittest

BUILD, CMAKE = sys.argv[1], sys.argv[2]
TIMEOUT = 60


def png_size(path):
    with open(path, "rb") as f:
        head = f.read(24)
    return struct.unpack(">II", head[16:24])


class Installed(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.root = tempfile.mkdtemp(prefix="fonarium-install-")
        os.chmod(cls.root, 0o755)
        cls.prefix = os.path.join(cls.root, "usr")
        subprocess.run([CMAKE, "--install", BUILD, "--prefix", cls.prefix],
                       check=True, stdout=subprocess.DEVNULL)
        cls.folder = os.path.join(cls.prefix, "lib", "fonarium2000")
        cls.program = os.path.join(cls.prefix, "bin", "fonarium2000")
        cls.tool = os.path.join(cls.prefix, "bin", "fonarium-tool")
        # Root writes through any permission: the program then runs as nobody.
        cls.user = pwd.getpwnam("nobody") if os.getuid() == 0 else None
        subprocess.run(["chmod", "-R", "a-w", cls.folder], check=True)

    @classmethod
    def tearDownClass(cls):
        subprocess.run(["chmod", "-R", "u+w", cls.root], check=False)
        shutil.rmtree(cls.root, ignore_errors=True)

    def new_home(self):
        home = tempfile.mkdtemp(dir=self.root, prefix="home-")
        if self.user:
            os.chown(home, self.user.pw_uid, self.user.pw_gid)
        os.chmod(home, 0o755)
        return home

    def command(self, args):
        if self.user:
            return ["setpriv", "--reuid", str(self.user.pw_uid), "--regid",
                    str(self.user.pw_gid), "--clear-groups"] + args
        return args

    def env(self, home):
        env = {k: v for k, v in os.environ.items() if not k.startswith("XDG_")}
        env.update(HOME=home, TMPDIR=home, QT_QPA_PLATFORM="offscreen", LC_ALL="C.UTF-8")
        return env

    def run_tool(self, home, *args):
        return subprocess.run(self.command([self.tool] + list(args)), env=self.env(home),
                              capture_output=True, text=True, check=True).stdout

    def start(self, home, *args):
        return subprocess.Popen(self.command([self.program] + list(args)), env=self.env(home),
                                stdout=subprocess.PIPE, stderr=subprocess.PIPE, text=True)

    def wait_for(self, process, condition, what):
        deadline = time.monotonic() + TIMEOUT
        while time.monotonic() < deadline:
            if condition():
                return
            self.assertIsNone(process.poll(), "the program ended before " + what)
            time.sleep(0.05)
        self.fail("no " + what + " within %d s" % TIMEOUT)

    def stop(self, process):
        process.send_signal(signal.SIGKILL)
        process.communicate()

    @staticmethod
    def ini_has(path, text):
        try:
            with open(path, encoding="utf-8", errors="replace") as f:
                return text in f.read()
        except OSError:
            return False

    def test_desktop_files_validate(self):
        share = os.path.join(self.prefix, "share")
        subprocess.run(["desktop-file-validate",
                        os.path.join(share, "applications", "cz.korvex.fonarium2000.desktop")],
                       check=True)
        subprocess.run(["appstreamcli", "validate", "--no-net",
                        os.path.join(share, "metainfo", "cz.korvex.fonarium2000.metainfo.xml")],
                       check=True, stdout=subprocess.DEVNULL)
        icons = os.path.join(share, "icons", "hicolor")
        self.assertTrue(os.path.isfile(os.path.join(icons, "scalable", "apps", "fonarium2000.svg")))
        for size in (48, 256):
            png = os.path.join(icons, "%dx%d" % (size, size), "apps", "fonarium2000.png")
            self.assertEqual(png_size(png), (size, size))
        self.assertEqual(os.path.realpath(self.program),
                         os.path.realpath(os.path.join(self.folder, "fonarium2000")))

    def test_read_only_folder_uses_the_per_user_folder_and_keeps_its_data(self):
        home = self.new_home()
        korvex = os.path.join(home, ".local", "share", "Korvex")
        shown = subprocess.run(self.command([self.program, "--help"]), env=self.env(home),
                               capture_output=True, text=True, check=True).stdout
        self.assertIn("Složka s daty:   " + korvex + "/", shown)

        first = self.start(home)
        suite_ini = os.path.join(korvex, "Korvex.ini")
        self.wait_for(first, lambda: self.ini_has(suite_ini, "Uvitani"), "per-user folder")
        self.stop(first)
        for part in ("Data/AudioS.dbf", "Data/Pujcovna.dbf", "Data/TipyA.dbf",
                     "Data/Zaloha/Audio1.dbf", "Fonarium2000.ini"):
            self.assertTrue(os.path.isfile(os.path.join(korvex, part)), part)
        self.assertTrue(os.listdir(os.path.join(korvex, "Zvuky")))
        self.assertNotIn("Fonarium2000.ini", os.listdir(self.folder))

        # The user's carriers and settings, changed between the two starts.
        self.run_tool(home, "fill", korvex, "1", "25", "3")
        program_ini = os.path.join(korvex, "Fonarium2000.ini")
        with open(program_ini, encoding="utf-8") as f:
            settings = f.read()
        settings = settings.replace("Databaze1=0", "Databaze1=1").replace("Tipy=1", "Tipy=0", 1)
        with open(program_ini, "w", encoding="utf-8") as f:
            f.write(settings)
        before = self.run_tool(home, "export", korvex, "1")

        second = self.start(home)
        # A run that holds the program's endpoint releases open keys left by a killed run.
        self.wait_for(second, lambda: self.ini_has(program_ini, "Databaze1=0"), "second start")
        self.stop(second)
        self.assertEqual(self.run_tool(home, "export", korvex, "1"), before)
        self.assertEqual(len(list(csv.reader(io.StringIO(before)))), 26)
        self.assertTrue(self.ini_has(program_ini, "Tipy=0"))

    def test_slozka_picks_the_folder(self):
        home = self.new_home()
        own = os.path.join(home, "moje sbírka")
        process = self.start(home, "--slozka", own)
        self.wait_for(process, lambda: self.ini_has(os.path.join(own, "Korvex.ini"), "Uvitani"),
                      "folder given by --slozka")
        self.stop(process)
        self.assertTrue(os.path.isfile(os.path.join(own, "Data", "AudioS.dbf")))
        self.assertFalse(os.path.exists(os.path.join(home, ".local", "share", "Korvex")))

    def test_folder_that_takes_no_data_is_told(self):
        home = self.new_home()
        blocker = os.path.join(home, "soubor")
        with open(blocker, "w") as f:
            f.write("not a folder")
        process = self.start(home, "--slozka", os.path.join(blocker, "data"))
        told = []

        def message():
            line = process.stderr.readline()
            told.append(line)
            return "nelze ukládat data programu" in line or not line

        self.wait_for(process, message, "message")
        self.assertIn("Do složky", told[-1])
        # The program goes on to show the message in its balloon rather than end.
        with self.assertRaises(subprocess.TimeoutExpired):
            process.wait(timeout=1)
        self.stop(process)


if __name__ == "__main__":
    unittest.main(argv=sys.argv[:1], verbosity=2)
