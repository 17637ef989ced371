#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 The Voldrim developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""Voldrim as a user meets it: the built program on an X server of its own,
clicked and typed at with xdotool, its screen read back from the server's
frame buffer.

Every place probed or clicked comes from the program's fixed layout: the
stops and the nut of the fingerboard, the columns, rows, labels and marker
of the staff's first system, the buttons along the bottom of both views.
Only where the two views sit in the window is read from the screen, from
the nut and from the staff's lines.

Run by ctest with VOLDRIM_PROGRAM (the built program), VOLDRIM_DATA_DIR
(its sounds) and VOLDRIM_DESKTOP_ENTRY (its menu entry) in the environment;
needs Xvfb, xdotool, xprop and pulseaudio.
"""
import mmap
import os
import random
import re
import socket
import struct
import subprocess
import tempfile
import time
import unittest
from collections import namedtuple

PROGRAM = os.environ.get("VOLDRIM_PROGRAM", "")
DATA_DIR = os.environ.get("VOLDRIM_DATA_DIR", "")
DESKTOP_ENTRY = os.environ.get("VOLDRIM_DESKTOP_ENTRY", "")

WAIT_SECONDS = 30
POLL_SECONDS = 0.02

RED = (255, 0, 0)
GREEN = (0, 255, 0)
BLACK = (0, 0, 0)
NAME_BLUE = (0, 0, 200)
SMILING_YELLOW = (255, 232, 0)
UNHAPPY_GREEN = (48, 192, 48)
# Shares of a shape's square in its colour: a stop's is less for its
# outline, its label and, for round stops, the corners; a note head's more,
# for the staff line through it; the marker, a triangle, fills half of its.
PAINTED_SHARE = 0.3
HEAD_SHARE = 0.6
MARKER_SHARE = 0.2
# Pixels in full colour of a note name's letter, and of a face in a dialog.
NAME_PIXELS = 3
FACE_PIXELS = 100

# The fingerboard, in its view's pixels: string s at x 30 + 40 s, stop k
# at y 20 + 50 k, sounding 36 + 7 s + k. Finger stops (k 2 to 5) are 32
# pixels square, the open-string and extension stops 20.
NUT = (10, 5, 170, 35)
FINGERBOARD_WIDTH = 180
FINGERBOARD_END_ABOVE_BOTTOM = 75
SHOW_ME_ABOVE_BOTTOM = 50
SHOW_ME_LEFT = 60
BUTTON_SIZE = (63, 39)
MAIN_WINDOW_SIZE = (630, 470)
SPLASH_SIZE = (424, 273)

# The staff's first system, in its view's pixels.
SYSTEM_TOP = 33
THIRD_STAFF_LINE = 100
ROW_OFFSETS = (0, 7, 15, 22, 30, 37, 45, 52, 60, 67, 75, 82, 90, 97, 105, 112, 120)
C_MAJOR_ROW_PITCHES = (64, 62, 60, 59, 57, 55, 53, 52, 50, 48, 47, 45, 43, 41, 40, 38, 36)
PLAY_LEFT, STOP_LEFT, EXIT_LEFT = 10, 220, 360
STAFF_BUTTONS_ABOVE_BOTTOM = 45

# Notes of C major and their stops: E on the D string, A the open A string.
E3, A3 = 52, 57

# A melody file as Voldrim saves it: C major, tempo 600, no title or
# composer, then its notes, each a pitch and a rhythmic value (2, a quarter).
MELODY_HEAD = struct.pack("<ii", 1, 600) + b"\0\0"
NOTE_CLASS = b"\xff\xff\0\0" + struct.pack("<H", len(b"CNoteSeries")) + b"CNoteSeries"
SAME_CLASS = b"\x01\x80"
QUARTER = 2


def melody_file(pitches):
    notes = b"".join((NOTE_CLASS if i == 0 else SAME_CLASS) + struct.pack("<ii", pitch, QUARTER)
                     for i, pitch in enumerate(pitches))
    return MELODY_HEAD + struct.pack("<H", len(pitches)) + notes


Window = namedtuple("Window", "id title left top width height")


def stop_rect(pitch):
    string, k = divmod(pitch - 36, 7)
    half = 16 if 2 <= k <= 5 else 10
    x, y = 30 + 40 * string, 20 + 50 * k
    return (x - half, y - half, x + half, y + half)


def column_left(column):
    return 100 + 44 * column


def head_rect(column, row):
    x, y = column_left(column), SYSTEM_TOP + ROW_OFFSETS[row]
    return (x, y + 1, x + 20, y + 15)


def label_rect(column):
    x = column_left(column)
    return (x, SYSTEM_TOP + 137, x + 20, SYSTEM_TOP + 152)


def marker_rect(column):
    x = column_left(column)
    return (x - 2, SYSTEM_TOP + 152, x + 22, SYSTEM_TOP + 160)


def centre(rect):
    return ((rect[0] + rect[2]) // 2, (rect[1] + rect[3]) // 2)


def button_rect(left, above_bottom, height):
    return (left, height - above_bottom, left + BUTTON_SIZE[0], height - above_bottom + BUTTON_SIZE[1])


def wait_for(what, condition, seconds=WAIT_SECONDS):
    """Polls condition until it holds (and returns what it returned)."""
    deadline = time.monotonic() + seconds
    while True:
        result = condition()
        if result:
            return result
        if time.monotonic() > deadline:
            raise AssertionError("timed out waiting for " + what)
        time.sleep(POLL_SECONDS)


class Screen:
    """An Xvfb server whose frame buffer, an XWD image in a file, is read in place."""

    def __init__(self, folder):
        for number in random.sample(range(100, 1000), 20):
            if self._start(number, folder):
                break
        else:
            raise RuntimeError("Xvfb did not start")
        self.display = ":%d" % number
        with open(os.path.join(folder, "Xvfb_screen0"), "rb") as frame:
            self.frame = mmap.mmap(frame.fileno(), 0, access=mmap.ACCESS_READ)
        header = struct.unpack(">25I", self.frame[:100])
        header_size, depth, byte_order, bits, self.bytes_per_line, colours = (
            header[0], header[3], header[7], header[11], header[12], header[19])
        if (depth, bits, byte_order) != (24, 32, 0):
            raise RuntimeError("unexpected frame buffer format")
        self.first_pixel = header_size + colours * 12

    def _start(self, number, folder):
        # X servers of other file systems on this machine share the abstract
        # socket names, which clients try first: take a number none holds.
        probe = socket.socket(socket.AF_UNIX)
        try:
            probe.bind("\0/tmp/.X11-unix/X%d" % number)
        except OSError:
            return False
        finally:
            probe.close()
        # Without -noreset the server starts afresh whenever its last client
        # leaves, and a client that comes meanwhile finds no server.
        ready, told = os.pipe()
        self.server = subprocess.Popen(
            ["Xvfb", ":%d" % number, "-displayfd", str(told), "-noreset", "-screen", "0", "1024x768x24", "-dpi", "96",
             "-nolisten", "tcp", "-fbdir", folder], pass_fds=(told,), stderr=subprocess.DEVNULL)
        os.close(told)
        with os.fdopen(ready) as answer:
            if answer.readline().strip() == str(number):
                return True
        self.server.wait()
        return False

    def close(self):
        self.frame.close()
        self.server.terminate()
        self.server.wait()

    def pixel(self, x, y):
        at = self.first_pixel + y * self.bytes_per_line + 4 * x
        blue, green, red = self.frame[at:at + 3]
        return (red, green, blue)

    def pixels(self, rect):
        left, top, right, bottom = rect
        return [self.pixel(x, y) for y in range(top, bottom) for x in range(left, right)]

    def share(self, rect, colour):
        pixels = self.pixels(rect)
        return sum(1 for p in pixels if p == colour) / len(pixels)


class SoundServer:
    """A PulseAudio server of the test's own whose null sink takes sound at
    the pace of a sound card."""

    def __init__(self, folder):
        socket = os.path.join(folder, "native")
        self.process = subprocess.Popen(
            ["pulseaudio", "--daemonize=no", "-n", "--use-pid-file=no", "--exit-idle-time=-1", "--disable-shm=yes",
             "--log-level=error", "--load=module-null-sink",
             "--load=module-native-protocol-unix auth-anonymous=1 socket=" + socket],
            env=dict(os.environ, HOME=folder, XDG_RUNTIME_DIR=folder))
        wait_for("the sound server", lambda: os.path.exists(socket) or self.process.poll() is not None)
        if self.process.poll() is not None:
            raise RuntimeError("pulseaudio did not start")
        self.address = "unix:" + socket

    def close(self):
        self.process.terminate()
        self.process.wait()


class Program:
    """The program, started from its data folder as `make run` starts it,
    and the mouse and keyboard of its display."""

    def __init__(self, screen, folder, sound, arguments=()):
        self.env = {k: v for k, v in os.environ.items()
                    if not k.startswith(("QT_", "VOLDRIM_", "PULSE_", "ALSA_", "XDG_"))}
        self.env.update(DISPLAY=screen.display, HOME=folder, XDG_RUNTIME_DIR=folder, **sound)
        self.process = subprocess.Popen([PROGRAM, *arguments], cwd=DATA_DIR, env=self.env)

    def show(self):
        """Waits for the main window, and sends the splash picture over it away with a key."""
        self.window = wait_for("the main window", self.main_window)
        self.keys("shift")
        wait_for("the splash picture to close", lambda: not any(map(self.is_splash, self.windows("Voldrim"))))

    def close(self):
        self.process.terminate()
        try:
            self.process.wait(WAIT_SECONDS)
        except subprocess.TimeoutExpired:
            self.process.kill()
            self.process.wait()

    def thread_names(self):
        tasks = "/proc/%d/task" % self.process.pid
        names = set()
        for task in os.listdir(tasks) if os.path.isdir(tasks) else []:
            try:
                with open(os.path.join(tasks, task, "comm")) as name:
                    names.add(name.read().strip())
            except OSError:
                pass  # the thread ended meanwhile
        return names

    def xdotool(self, *arguments, check=True):
        done = subprocess.run(["xdotool", *map(str, arguments)], env=self.env, capture_output=True, text=True,
                              check=check)
        return done.stdout.split()

    def windows(self, title):
        """The visible windows of this title, with their place and size."""
        found = []
        for window in self.xdotool("search", "--onlyvisible", "--name", "^%s$" % title, check=False):
            shape = self.xdotool("getwindowgeometry", "--shell", window, check=False)
            shape = dict(line.split("=") for line in shape)
            if shape:
                found.append(Window(window, title, *(int(shape[k]) for k in ("X", "Y", "WIDTH", "HEIGHT"))))
        return found

    def window_class(self):
        """The main window's WM_CLASS: its instance name, then its class."""
        done = subprocess.run(["xprop", "-id", str(self.window.id), "WM_CLASS"], env=self.env, capture_output=True,
                              text=True, check=True)
        return re.findall(r'"([^"]*)"', done.stdout)

    def main_window(self):
        return next((w for w in self.windows("Voldrim") if (w.width, w.height) == MAIN_WINDOW_SIZE), None)

    @staticmethod
    def is_splash(window):
        return (window.width, window.height) == SPLASH_SIZE

    def message_boxes(self):
        return [w for w in self.windows("Voldrim") if (w.width, w.height) not in (MAIN_WINDOW_SIZE, SPLASH_SIZE)]

    def click(self, x, y):
        # Clicked, then the pointer goes where it hides nothing we look at:
        # over the window's menu bar, so that keys still reach the window.
        self.xdotool("mousemove", "--sync", x, y, "click", "1",
                     "mousemove", "--sync", self.window.left + self.window.width - 5, self.window.top + 5)

    def keys(self, *keys, window=None):
        self.xdotool("windowfocus", "--sync", (window or self.window).id, "key", "--clearmodifiers", *keys)

    def dialog(self, title):
        return wait_for("the dialog " + title, lambda: self.windows(title))[0]

    def answer(self, dialog, text, *keys):
        """Gives the dialog the keyboard, types into it, and waits for it to close."""
        self.xdotool("windowfocus", "--sync", dialog.id, "type", "--delay", "5", text)
        self.keys(*keys, window=dialog)
        wait_for(dialog.title + " to close", lambda: dialog not in self.windows(dialog.title))


class Views:
    """Where the fingerboard and the staff are on the screen, found from the
    nut (black, 160 pixels wide) and the staff's lines."""

    def __init__(self, screen, window):
        self.screen = screen
        self.board, self.staff, self.height = wait_for("the fingerboard and the staff", lambda: self._find(window))

    def _find(self, window):
        pixel, right, bottom = self.screen.pixel, window.left + window.width, window.top + window.height
        nut_width = NUT[2] - NUT[0]
        for y in range(window.top, bottom):
            row = [pixel(x, y) == BLACK for x in range(window.left, right)]
            nut = next((x for x in range(len(row) - nut_width) if all(row[x:x + nut_width])), None)
            if nut is not None:
                board = (window.left + nut - NUT[0], y - NUT[1])
                break
        else:
            return None
        # The fingerboard ends above its view's bottom; the staff's lines
        # start at its view's left edge.
        end = next((y for y in range(board[1] + NUT[3], bottom) if pixel(board[0] + NUT[0] // 2, y) == BLACK), None)
        line = board[1] + THIRD_STAFF_LINE
        staff = next((x for x in range(board[0] + FINGERBOARD_WIDTH, right) if pixel(x, line) == BLACK), None)
        if end is None or staff is None:
            return None
        return board, (staff, board[1]), end - board[1] + FINGERBOARD_END_ABOVE_BOTTOM

    @staticmethod
    def _on(origin, rect):
        return (rect[0] + origin[0], rect[1] + origin[1], rect[2] + origin[0], rect[3] + origin[1])

    def on_board(self, rect):
        return self._on(self.board, rect)

    def on_staff(self, rect):
        return self._on(self.staff, rect)

    def stop_share(self, pitch, colour):
        return self.screen.share(self.on_board(stop_rect(pitch)), colour)

    def red_stop(self):
        return next((p for p in range(36, 64) if self.stop_share(p, RED) > PAINTED_SHARE), None)

    def head_row(self, column):
        """The row of the filled note head written in the column, if any."""
        shares = [self.screen.share(self.on_staff(head_rect(column, row)), BLACK) for row in range(17)]
        best = max(range(17), key=lambda row: shares[row])
        return best if shares[best] > HEAD_SHARE else None

    def label_is_blue(self, column):
        return self.screen.pixels(self.on_staff(label_rect(column))).count(NAME_BLUE) >= NAME_PIXELS

    def marker_under(self, column):
        return self.screen.share(self.on_staff(marker_rect(column)), RED) > MARKER_SHARE

    def staff_button(self, left):
        return centre(self.on_staff(button_rect(left, STAFF_BUTTONS_ABOVE_BOTTOM, self.height)))

    def show_me_button(self):
        return self.on_board(button_rect(SHOW_ME_LEFT, SHOW_ME_ABOVE_BOTTOM, self.height))


class EndToEnd(unittest.TestCase):
    def setUp(self):
        self.assertTrue(PROGRAM and DATA_DIR, "VOLDRIM_PROGRAM and VOLDRIM_DATA_DIR name the program and its data")
        folder = tempfile.TemporaryDirectory(prefix="voldrim-e2e-")
        self.addCleanup(folder.cleanup)
        self.folder = folder.name
        os.mkdir(os.path.join(self.folder, "frame"))
        self.screen = Screen(os.path.join(self.folder, "frame"))
        self.addCleanup(self.screen.close)

    def start(self, sound, arguments=()):
        program = Program(self.screen, self.folder, sound, arguments)
        self.addCleanup(program.close)
        return program

    def wait_for_note(self, views, column, row):
        wait_for("a note head in column %d, row %d" % (column, row), lambda: views.head_row(column) == row)
        wait_for("the blue name of column %d" % column, lambda: views.label_is_blue(column))

    def test_write_play_save_open_and_answer_with_sound(self):
        server = SoundServer(self.folder)
        self.addCleanup(server.close)
        program = self.start({"PULSE_SERVER": server.address})
        program.show()
        views = Views(self.screen, program.window)
        self.assertFalse(program.message_boxes())
        wait_for("the synthesizer playing into the sound server", lambda: "pulse-audio" in program.thread_names())
        e_row, a_row = C_MAJOR_ROW_PITCHES.index(E3), C_MAJOR_ROW_PITCHES.index(A3)

        # A green stop, clicked, turns red and writes its note.
        self.assertGreater(views.stop_share(E3, GREEN), PAINTED_SHARE)
        program.click(*centre(views.on_board(stop_rect(E3))))
        wait_for("the E stop to turn red", lambda: views.stop_share(E3, RED) > PAINTED_SHARE)
        self.wait_for_note(views, 0, e_row)
        # A staff row, clicked, writes its note and lights its stop.
        program.click(*centre(views.on_staff(head_rect(1, a_row))))
        self.wait_for_note(views, 1, a_row)
        wait_for("the open A stop to turn red", lambda: views.red_stop() == A3)

        # Played over and over, the marker comes under the first column.
        program.keys("alt+o", "c")
        program.click(*views.staff_button(PLAY_LEFT))
        wait_for("the marker under the first column",
                 lambda: views.marker_under(0) and not views.marker_under(1))
        program.click(*views.staff_button(STOP_LEFT))
        wait_for("the marker to go", lambda: not views.marker_under(0) and not views.marker_under(1))

        # Saved, emptied, opened again: the same notes.
        melody = os.path.join(self.folder, "tune.vdm")
        program.keys("ctrl+s")
        program.answer(program.dialog("Save As"), melody, "Return")
        wait_for("the saved melody", lambda: os.path.exists(melody))
        program.keys("ctrl+n")
        wait_for("an empty staff", lambda: views.head_row(0) is None and views.head_row(1) is None)
        program.keys("ctrl+o")
        program.answer(program.dialog("Open"), melody, "Return")
        self.wait_for_note(views, 0, e_row)
        self.wait_for_note(views, 1, a_row)

        # One Show Me question, answered right, shows the smiling face.
        program.keys("ctrl+n")
        wait_for("no red stop and an empty staff", lambda: views.red_stop() is None and views.head_row(0) is None)
        program.click(*centre(views.show_me_button()))
        wait_for("a question", lambda: views.red_stop() or views.head_row(0) is not None)
        asked_stop = views.red_stop()
        if asked_stop:
            answer = views.on_staff(head_rect(0, C_MAJOR_ROW_PITCHES.index(asked_stop)))
        else:
            answer = views.on_board(stop_rect(C_MAJOR_ROW_PITCHES[views.head_row(0)]))
        program.click(*centre(answer))
        verdict = program.dialog("Show Me Message!")
        face = (verdict.left, verdict.top, verdict.left + verdict.width, verdict.top + verdict.height)
        wait_for("the smiling face", lambda: self.screen.pixels(face).count(SMILING_YELLOW) > FACE_PIXELS)
        self.assertNotIn(UNHAPPY_GREEN, self.screen.pixels(face), "the unhappy face shows too")
        program.answer(verdict, "", "Escape")
        self.assertFalse(program.message_boxes())

        # The Exit button ends the program after its good-bye sound, and
        # takes the help window with it.
        program.keys("F1")
        wait_for("the help window", lambda: program.windows("Voldrim Help"))
        program.click(*views.staff_button(EXIT_LEFT))
        self.assertEqual(program.process.wait(WAIT_SECONDS), 0)

        # The answer outlasts the program: its practice history, as CSV.
        answers = os.path.join(self.folder, "answers.csv")
        subprocess.run([PROGRAM, "--practice-csv", answers], env=program.env, check=True, timeout=WAIT_SECONDS)
        with open(answers) as csv:
            self.assertEqual([line.split(",")[7] for line in csv.read().splitlines()[1:]], ["right"])

    def test_opens_the_melody_named_and_is_the_window_of_its_menu_entry(self):
        # Named with bytes that are not UTF-8: the shell passes them as they are.
        melody = os.path.join(os.fsencode(self.folder), b"tune-\xff\xfe.vdm")
        with open(melody, "wb") as file:
            file.write(melody_file([E3, A3]))
        server = SoundServer(self.folder)
        self.addCleanup(server.close)
        program = self.start({"PULSE_SERVER": server.address}, ["--open", melody])
        program.show()
        views = Views(self.screen, program.window)
        self.wait_for_note(views, 0, C_MAJOR_ROW_PITCHES.index(E3))
        self.wait_for_note(views, 1, C_MAJOR_ROW_PITCHES.index(A3))
        self.assertFalse(program.message_boxes())

        # The desktop ties the window to the entry that started it by its class.
        with open(DESKTOP_ENTRY) as entry:
            wm_class = re.search(r"^StartupWMClass=(.*)$", entry.read(), re.MULTILINE)
        self.assertTrue(wm_class, "the menu entry names no window class")
        self.assertEqual(program.window_class()[-1:], [wm_class.group(1)])

    def test_without_sound_one_message_box_then_notes_silently(self):
        # No sound server, no ALSA device of any kind.
        program = self.start({"PULSE_SERVER": "unix:" + os.path.join(self.folder, "none"),
                              "ALSA_CONFIG_PATH": os.devnull})
        box = wait_for("the message box", program.message_boxes)
        self.assertEqual(len(box), 1)
        program.answer(box[0], "", "Return")
        program.show()
        views = Views(self.screen, program.window)
        # Two notes: the second is written only if no box held up the first.
        for column, pitch in enumerate((E3, A3)):
            program.click(*centre(views.on_board(stop_rect(pitch))))
            self.wait_for_note(views, column, C_MAJOR_ROW_PITCHES.index(pitch))
        self.assertFalse(program.message_boxes())
        # An unsaved melody and the help window open: a signal still ends
        # the program at once, without a question.
        program.keys("F1")
        wait_for("the help window", lambda: program.windows("Voldrim Help"))
        program.process.terminate()
        self.assertEqual(program.process.wait(WAIT_SECONDS), 0)


if __name__ == "__main__":
    unittest.main()
