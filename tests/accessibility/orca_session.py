"""Orca, the screen reader, in a private desktop: what a blind pupil hears, read from Orca's own log.

speech-dispatcher speaks with espeak-ng into ALSA's null device (nothing reaches a sound card, and
without a device Orca freezes after a few sentences); Orca runs with settings of its own in the desktop's
private home. Orca writes its debug log through a buffer it never flushes: the log goes to a
pseudo-terminal, which Python writes line by line, so every sentence can be read as soon as Orca says it.

Orca refuses to start while another Orca of the same user runs, and `orca --replace` would kill every
Orca of the user: runs of this test take turns on a lock, and this Orca is ended by its process id.
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
# Another test run may hold the lock for its whole lesson.
LOCK_WAIT = 300.0
ORCA_READY = "ORCA: Starting ATSPI registry."
SPEECH_START = "SPEECH OUTPUT: '"
SPEECH = re.compile(r"(.*)'(?: voice=\S+)? ?\{.*\}$", re.DOTALL)
# Orca indents the further lines of a logged text by the width of its time stamp.
CONTINUATION = " " * 18

SPEECHD_CONF = """AudioOutputMethod "alsa"
AddModule "espeak-ng" "sd_espeak-ng" "/etc/speech-dispatcher/modules/espeak-ng.conf"
DefaultModule espeak-ng
DefaultLanguage "fr"
"""


def _running(pid):
    try:
        with open(f"/proc/{pid}/stat") as stat:
            return stat.read().rsplit(")", 1)[1].split()[0] != "Z"
    except OSError:
        return False


class ScreenReader:
    """Started as the desktop's before_program step; its processes end with the desktop's."""

    def __init__(self, desktop):
        self.desktop = desktop
        home = os.environ["HOME"]
        self._partial = ""
        self._sentence = None
        self.ready = False
        self._guard = threading.Lock()
        self.spoken = []
        self.log_path = os.path.join(home, "orca-debug.log")
        self._take_turn()
        self._configure(home)
        self._start_speech_dispatcher(home)
        self._start_orca(home)

    # --- Starting ----------------------------------------------------------------------------

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
        self.desktop.until(lambda: not self._other_orcas(), "no other Orca of this user", wait=LOCK_WAIT)

    @staticmethod
    def _other_orcas():
        """Orca's own test at start: its name among this user's processes, an ended one not yet reaped aside."""
        found = subprocess.run(["pgrep", "-u", str(os.getuid()), "-x", "orca"], capture_output=True, text=True)
        return [pid for pid in found.stdout.split() if _running(pid)]

    @staticmethod
    def _configure(home):
        with open(os.path.join(home, ".asoundrc"), "w") as asound:
            asound.write("pcm.!default { type null }\n")
        speechd = os.path.join(os.environ["XDG_CONFIG_HOME"], "speech-dispatcher")
        os.makedirs(speechd, exist_ok=True)
        with open(os.path.join(speechd, "speechd.conf"), "w") as conf:
            conf.write(SPEECHD_CONF)

    def _start_speech_dispatcher(self, home):
        # The address Orca's speechd client looks for under the private runtime folder.
        socket = os.path.join(os.environ["XDG_RUNTIME_DIR"], "speech-dispatcher", "speechd.sock")
        os.makedirs(os.path.dirname(socket), exist_ok=True)
        log = open(os.path.join(home, "speech-dispatcher.log"), "w")
        self.desktop.processes.append(subprocess.Popen(
            ["speech-dispatcher", "--run-single", "--timeout", "0", "--communication-method", "unix_socket",
             "--socket-path", socket, "--config-dir",
             os.path.join(os.environ["XDG_CONFIG_HOME"], "speech-dispatcher")],
            stdout=log, stderr=subprocess.STDOUT, stdin=subprocess.DEVNULL))
        self.desktop.until(lambda: os.path.exists(socket), "speech-dispatcher's socket")

    def _start_orca(self, home):
        master, slave = pty.openpty()
        tty.setraw(slave)
        self._master = master
        self._slave = slave
        threading.Thread(target=self._read_log, daemon=True).start()
        environment = dict(os.environ, LANG="fr_FR.UTF-8", LANGUAGE="fr", GSETTINGS_BACKEND="memory")
        environment.pop("LC_ALL", None)
        orca = subprocess.Popen(
            ["orca", "--user-prefs", os.path.join(home, "orca"), "--debug-file", os.ttyname(slave)],
            env=environment, stdin=subprocess.DEVNULL, stdout=subprocess.DEVNULL, stderr=subprocess.STDOUT)
        self.desktop.processes.append(orca)
        self.orca = orca

        def ready():
            if orca.poll() is not None:
                raise Failure(f"Orca ended at start (status {orca.returncode}); its log: {self.log_path}")
            return self.ready

        self.desktop.until(ready, "Orca listening to the accessibility bus")

    def _read_log(self):
        with open(self.log_path, "w", encoding="utf-8") as copy:
            while True:
                try:
                    chunk = os.read(self._master, 65536)
                except OSError:
                    return
                if not chunk:
                    return
                text = chunk.decode("utf-8", errors="replace")
                copy.write(text)
                copy.flush()
                self._take(text)

    def _take(self, text):
        """Collects the sentences Orca logs as spoken. A sentence may run over several lines; its record
        always ends with the voice Orca gives it, written as a dictionary."""
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

    # --- Listening ------------------------------------------------------------------------------

    def mark(self):
        """A place in what Orca has said: heard_since(mark) is what it said after it."""
        with self._guard:
            return len(self.spoken)

    def heard_since(self, mark):
        with self._guard:
            return list(self.spoken[mark:])

    def until_heard(self, mark, wanted, what):
        """Waits until Orca has said, after mark, a sentence for which wanted(sentence) holds; returns it."""
        try:
            return self.desktop.until(lambda: next((s for s in self.heard_since(mark) if wanted(s)), None), what)
        except Failure as failure:
            raise Failure(f"{what}: Orca said {self.heard_since(mark)!r}") from failure

    def close(self):
        os.close(self._slave)
