"""Orca, the screen reader, in a private desktop: what a blind pupil hears, read from Orca's own log.

speech-dispatcher speaks with espeak-ng into ALSA's null device (nothing reaches a sound card, and
without a device Orca freezes after a few sentences); Orca runs with settings of its own in the desktop's
private home. Orca never flushes its debug log: the log goes to a pseudo-terminal, which Python writes
line by line, so each sentence can be read as soon as Orca says it (a copy stays in orca-debug.log).

Orca refuses to start while another Orca of the same user runs, and `orca --replace` would kill every
Orca of the user: runs of this test take turns on a lock, and this Orca ends by its process id.
"""

import fcntl
import os
import pty
import re
import subprocess
import threading
import time
import tty

from atspi_session import Failure

LOCK = "/tmp/molvanex-orca.lock"
LOCK_WAIT = 300.0  # another run may hold the lock for its whole lesson
ORCA_READY = "ORCA: Starting ATSPI registry."
SPEECH_START = "SPEECH OUTPUT: '"
# A sentence's record ends with the voice Orca gives it, written as a dictionary; Orca indents the
# further lines of a sentence by the width of its time stamp.
SPEECH = re.compile(r"(.*)'(?: voice=\S+)? ?\{.*\}$", re.DOTALL)
CONTINUATION = " " * 18
SPEECHD_CONF = """AudioOutputMethod "alsa"
AddModule "espeak-ng" "sd_espeak-ng" "/etc/speech-dispatcher/modules/espeak-ng.conf"
DefaultModule espeak-ng
DefaultLanguage "fr"
"""


def other_orcas():
    """What Orca itself looks for at start: its name among this user's processes (ended ones aside)."""
    found = subprocess.run(["pgrep", "-u", str(os.getuid()), "-x", "orca"], capture_output=True, text=True)

    def running(pid):
        try:
            with open(f"/proc/{pid}/stat") as stat:
                return stat.read().rsplit(")", 1)[1].split()[0] != "Z"
        except OSError:
            return False

    return [pid for pid in found.stdout.split() if running(pid)]


class ScreenReader:
    """Started as the desktop's before_program step; its processes end with the desktop's."""

    def __init__(self, desktop):
        self.d = desktop
        home = os.environ["HOME"]
        self.spoken, self.ready = [], False
        self._partial, self._sentence, self._guard = "", None, threading.Lock()
        self._take_turn()
        with open(os.path.join(home, ".asoundrc"), "w") as asound:
            asound.write("pcm.!default { type null }\n")
        config = os.path.join(os.environ["XDG_CONFIG_HOME"], "speech-dispatcher")
        os.makedirs(config, exist_ok=True)
        with open(os.path.join(config, "speechd.conf"), "w") as conf:
            conf.write(SPEECHD_CONF)
        # The address Orca's speechd client looks for under the private runtime folder.
        socket = os.path.join(os.environ["XDG_RUNTIME_DIR"], "speech-dispatcher", "speechd.sock")
        os.makedirs(os.path.dirname(socket), exist_ok=True)
        self._start(["speech-dispatcher", "--run-single", "--timeout", "0", "--communication-method",
                     "unix_socket", "--socket-path", socket, "--config-dir", config],
                    stdout=open(os.path.join(home, "speech-dispatcher.log"), "w"))
        self.d.until(lambda: os.path.exists(socket), "speech-dispatcher's socket")

        master, slave = pty.openpty()
        tty.setraw(slave)
        threading.Thread(target=self._read_log, args=(master, os.path.join(home, "orca-debug.log")),
                         daemon=True).start()
        environment = dict(os.environ, LANG="fr_FR.UTF-8", LANGUAGE="fr", GSETTINGS_BACKEND="memory")
        environment.pop("LC_ALL", None)
        orca = self._start(["orca", "--user-prefs", os.path.join(home, "orca"), "--debug-file",
                            os.ttyname(slave)], env=environment, stdout=subprocess.DEVNULL)

        def ready():
            if orca.poll() is not None:
                raise Failure(f"Orca ended at start (status {orca.returncode}), see {home}/orca-debug.log")
            return self.ready

        self.d.until(ready, "Orca listening to the accessibility bus")

    def _take_turn(self):
        self._lock = open(LOCK, "w")
        deadline = time.monotonic() + LOCK_WAIT
        while True:
            try:
                fcntl.flock(self._lock, fcntl.LOCK_EX | fcntl.LOCK_NB)
                break
            except BlockingIOError:
                if time.monotonic() > deadline:
                    raise Failure(f"another run of the Orca lesson kept {LOCK} for {LOCK_WAIT:.0f} s")
                time.sleep(0.5)
        self.d.until(lambda: not other_orcas(), "no other Orca of this user", wait=LOCK_WAIT)

    def _start(self, command, **options):
        process = subprocess.Popen(command, stdin=subprocess.DEVNULL, stderr=subprocess.STDOUT, **options)
        self.d.processes.append(process)
        return process

    def _read_log(self, master, path):
        with open(path, "w", encoding="utf-8") as copy:
            while True:
                try:
                    chunk = os.read(master, 65536).decode("utf-8", errors="replace")
                except OSError:
                    return
                if not chunk:
                    return
                copy.write(chunk)
                copy.flush()
                self._take(chunk)

    def _take(self, text):
        with self._guard:
            lines = (self._partial + text).split("\n")
            self._partial = lines.pop()
            for line in lines:
                if self._sentence is not None:
                    self._sentence.append(line[len(CONTINUATION):] if line.startswith(CONTINUATION) else line)
                elif SPEECH_START in line:
                    self._sentence = [line.split(SPEECH_START, 1)[1]]
                else:
                    self.ready = self.ready or ORCA_READY in line
                    continue
                if line.endswith("}"):
                    record = "\n".join(self._sentence)
                    match = SPEECH.match(record)
                    self.spoken.append(match.group(1) if match else record)
                    self._sentence = None

    def mark(self):
        """A place in what Orca has said: heard_since(mark) is what it said after it."""
        with self._guard:
            return len(self.spoken)

    def heard_since(self, mark):
        with self._guard:
            return list(self.spoken[mark:])
