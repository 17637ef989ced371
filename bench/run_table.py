#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 The Voldrim developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""Runs every benchmark and prints one table: each figure against its anchor,
measured in the same run and in turn with it, as medians and ranges over the
runs, with its goal and whether it is met. `make bench` runs it.

Sound goes to PulseAudio servers of the script's own, each with a null sink
(which plays in real time like a sound card); start-up and idle programs
run on an Xvfb display of their own. Benchmarks that mostly wait run side
by side, each with a sound server of its own, so that the whole takes a
few minutes."""
import json
import os
import re
import shutil
import statistics
import subprocess
import sys
import tempfile
import time

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
BUILD = os.path.join(ROOT, 'build')
BENCH = os.path.join(BUILD, 'bench')
RUNS = 10
IDLE_SETTLE_S = 6     # the synthesizer sleeps after 3 s of silence
# Between two start-ups: the one before has left, and its sound server
# has let it go, before the next is timed.
STARTUP_SETTLE_S = 0.2
IDLE_WINDOW_S = 10
IDLE_TICK_LANES = 4   # side by side, while the idle programs are measured
BUSY_TICK_LANES = 5
# Each run of an export is a whole program; the largest PDF takes seconds.
EXPORT_RUNS = 5
ACCEPTED_PEAK_MB = 300
REFUSED_PEAK_MB = 100
SCRATCH = tempfile.mkdtemp(prefix='voldrim-bench-')
LOG = open(os.path.join(SCRATCH, 'programs.log'), 'w')
children = []


def start(args, env=None, **kwargs):
    kwargs.setdefault('stderr', LOG)
    child = subprocess.Popen(args, env=env, **kwargs)
    children.append(child)
    return child


def say(text):
    print(f'bench: {text}', file=sys.stderr, flush=True)


def wait_for(check, what, seconds=20):
    end = time.monotonic() + seconds
    while not check():
        if time.monotonic() > end:
            sys.exit(f'bench: gave up waiting for {what} (see {LOG.name})')
        time.sleep(0.05)


def pulse_server(name):
    """A PulseAudio server with a null sink: the process and its PULSE_SERVER value."""
    folder = os.path.join(SCRATCH, name)
    os.makedirs(folder)
    socket = os.path.join(folder, 'native')
    env = dict(os.environ, HOME=folder, XDG_RUNTIME_DIR=folder)
    server = start(['pulseaudio', '--daemonize=no', '-n', '--use-pid-file=no', '--exit-idle-time=-1',
                    '--log-level=error', '--load=module-null-sink',
                    f'--load=module-native-protocol-unix auth-anonymous=1 socket={socket}'], env=env)
    wait_for(lambda: os.path.exists(socket), f'the sound server {name}')
    return server, f'unix:{socket}'


def x_display():
    read, write = os.pipe()
    start(['Xvfb', '-displayfd', str(write), '-screen', '0', '1920x1080x24', '-nolisten', 'tcp'], pass_fds=[write])
    os.close(write)
    with os.fdopen(read) as number:
        return ':' + number.readline().strip()


def environment(pulse=None, display=None):
    env = dict(os.environ, VOLDRIM_WAVE_DEVICE='null', XDG_RUNTIME_DIR=SCRATCH, QT_QPA_PLATFORM='offscreen')
    env.pop('VOLDRIM_SYNTH_DEVICE', None)
    if pulse:
        env['PULSE_SERVER'] = pulse
    if display:
        env.update(DISPLAY=display, QT_QPA_PLATFORM='xcb')
    return env


def google_benchmark(program, pattern, env, repetitions=RUNS, lanes=1):
    """Starts `lanes` copies of a benchmark program, each repeating its runs;
    gives a function that waits for them and returns every run's counters,
    by benchmark name."""
    started = []
    for lane in range(lanes):
        out = os.path.join(SCRATCH, f'{program}-{len(children)}.json')
        args = [os.path.join(BENCH, program), f'--benchmark_filter={pattern}',
                f'--benchmark_repetitions={repetitions}', f'--benchmark_out={out}', '--benchmark_out_format=json']
        started.append((start(args, env=env, stdout=subprocess.DEVNULL), out))

    def results():
        runs = {}
        for child, out in started:
            child.wait()
            with open(out) as f:
                for entry in json.load(f)['benchmarks']:
                    if entry.get('error_occurred'):
                        sys.exit(f'bench: {entry["name"]}: {entry["error_message"]} (see {LOG.name})')
                    if entry.get('run_type') == 'iteration':
                        runs.setdefault(entry['run_name'], []).append(entry)
        return runs
    return results


def cpu_seconds(pid):
    """User and system time of a process, all its threads, ended ones too."""
    with open(f'/proc/{pid}/stat') as f:
        fields = f.read().rsplit(')', 1)[1].split()
    return (int(fields[11]) + int(fields[12])) / os.sysconf('SC_CLK_TCK')


def startup_runs(display, pulse):
    """Per program: milliseconds to the first painted window and resident MB, per run, in turn."""
    programs = {'program': 'startup_program', 'empty': 'startup_empty_window', 'fluid': 'startup_fluid_window'}
    times = {key: [] for key in programs}
    memory = {key: [] for key in programs}
    folder = os.path.join(SCRATCH, 'no-wave-files')
    os.makedirs(folder, exist_ok=True)
    for _ in range(RUNS):
        for key, program in programs.items():
            time.sleep(STARTUP_SETTLE_S)
            started = time.monotonic_ns()
            child = start([os.path.join(BENCH, 'startup', program)], env=environment(pulse, display), cwd=folder,
                          stdout=subprocess.PIPE, text=True)
            said = dict(line.split() for line in child.stdout)
            child.wait()
            times[key].append((int(said['painted']) - started) / 1e6)
            memory[key].append(int(said['rss_kb']) / 1024)
    return times, memory


def idle_processes(display):
    """The program and its anchors, each with a sound server of its own."""
    folder = os.path.join(SCRATCH, 'idle')
    os.makedirs(folder, exist_ok=True)
    programs = {'program': [os.path.join(BUILD, 'voldrim')],
                'fluid': [os.path.join(BENCH, 'startup', 'startup_fluid_window'), '--stay'],
                'empty': [os.path.join(BENCH, 'startup', 'startup_empty_window'), '--stay']}
    running = {}
    for key, args in programs.items():
        server, pulse = pulse_server('idle-' + key)
        running[key] = (start(args, env=environment(pulse, display), cwd=folder, stdout=subprocess.DEVNULL), server)
    return running


def idle_windows(running):
    """Per process and per sound server: share of a core over each of RUNS windows of IDLE_WINDOW_S."""
    shares = {}
    for _ in range(RUNS):
        before = {key: (cpu_seconds(p.pid), cpu_seconds(s.pid)) for key, (p, s) in running.items()}
        time.sleep(IDLE_WINDOW_S)
        for key, (p, s) in running.items():
            shares.setdefault(key, []).append(100 * (cpu_seconds(p.pid) - before[key][0]) / IDLE_WINDOW_S)
            shares.setdefault(key + '-server', []).append(100 * (cpu_seconds(s.pid) - before[key][1]) / IDLE_WINDOW_S)
    for program, server in running.values():
        program.terminate()
        program.wait()
        server.terminate()
    return shares


def counter(runs, name, key, scale=1.0):
    return [entry[key] * scale for entry in runs[name]]


def only(runs, part):
    return next(name for name in runs if part in name)


def arguments(name):
    """A benchmark's arguments by name: BM_X/view:0/size:2/... gives {'view': 0, 'size': 2}."""
    return {key: int(value) for key, value in re.findall(r'(\w+):(\d+)', name)}


def cell(values, unit):
    median = statistics.median(values)
    digits = 2 if median < 10 else 1 if median < 100 else 0
    return f'{median:.{digits}f} [{min(values):.{digits}f}-{max(values):.{digits}f}] {unit}'


# Goals: each takes the figures and the ratios of every run.
def median_under(limit):
    return lambda figures, ratios: statistics.median(figures) < limit


def ratio_at_most(limit):
    return lambda figures, ratios: statistics.median(ratios) <= limit


def row(name, anchor, figures, anchors, unit, goal_text='-', goal=None):
    # An anchor too small to measure (no CPU time at all) gives no ratio.
    ratios = [f / a for f, a in zip(figures, anchors) if a]
    met = '' if goal is None else 'met' if goal(figures, ratios) else 'NOT MET'
    ratio = cell(ratios, 'x') if len(ratios) == len(figures) else '-'
    return (name, cell(figures, unit), f'{anchor}: {cell(anchors, unit)}', ratio, goal_text, met)


def table(rows):
    heads = ('Figure', 'Measured', 'Anchor', 'Ratio', 'Goal', 'Met')
    widths = [max(len(line[i]) for line in [heads] + rows) for i in range(len(heads))]
    out = ['| ' + ' | '.join(h.ljust(w) for h, w in zip(heads, widths)) + ' |',
           '|' + '|'.join('-' * (w + 2) for w in widths) + '|']
    out += ['| ' + ' | '.join(c.ljust(w) for c, w in zip(line, widths)) + ' |' for line in rows]
    return '\n'.join(out)


def measure():
    display = x_display()
    shared_server, shared = pulse_server('shared')

    say(f'idle cost over {RUNS} x {IDLE_WINDOW_S} s; meanwhile playback ticks, presses as a note ends and the '
        'first note after silence')
    running = idle_processes(display)
    _, first_pulse = pulse_server('first-note')
    _, ends_pulse = pulse_server('note-ends')
    ticks_idle = google_benchmark('playback_tick_bench', '.', environment(),
                                  -(-RUNS // IDLE_TICK_LANES), IDLE_TICK_LANES)
    first = google_benchmark('stop_to_note_bench', 'FirstNoteAfterSilence', environment(first_pulse))
    ends = google_benchmark('stop_to_note_bench', 'AsNoteEnds', environment(ends_pulse))
    time.sleep(IDLE_SETTLE_S)
    idle = idle_windows(running)
    figures = dict(ticks_idle=ticks_idle(), first=first(), ends=ends(), idle=idle)

    say('playback ticks with every core busy')
    spinners = [start([sys.executable, '-c', 'while True: pass']) for _ in range(os.cpu_count() or 1)]
    figures['ticks_busy'] = google_benchmark('playback_tick_bench', '.', environment(),
                                             -(-RUNS // BUSY_TICK_LANES), BUSY_TICK_LANES)()
    for spinner in spinners:
        spinner.terminate()
        spinner.wait()
    say('start-up')
    figures['startup'], figures['memory'] = startup_runs(display, shared)
    say('stop press to the synthesizer')
    figures['press'] = google_benchmark('stop_to_note_bench', 'ToNoteOn', environment(shared))()
    say('views, clicks, melody files')
    figures['views'] = google_benchmark('view_bench', '.', environment())()
    figures['clicks'] = google_benchmark('note_click_bench', '.', environment())()
    figures['files'] = google_benchmark('melody_file_bench', '.', environment())()
    say('peak memory of exports from the command line')
    figures['exports'] = google_benchmark('export_memory_bench', '.', environment(), EXPORT_RUNS)()
    say('practice history')
    figures['practice'] = google_benchmark('practice_bench', '.', environment())()
    shared_server.terminate()
    return figures


def rows_of(f):
    empty, fluid = 'empty Qt window', 'Qt window opening FluidSynth'
    rows = [row('Start-up to first painted window', empty, f['startup']['program'], f['startup']['empty'], 'ms',
                '<= 1.5x', ratio_at_most(1.5)),
            row('Start-up to first painted window', fluid, f['startup']['program'], f['startup']['fluid'], 'ms'),
            row('Resident memory after start-up', fluid, f['memory']['program'], f['memory']['fluid'], 'MB',
                '<= 1.2x', ratio_at_most(1.2)),
            row('Resident memory after start-up', empty, f['memory']['program'], f['memory']['empty'], 'MB')]
    press, widget = f['press'], 'bare widget to FluidSynth'
    name = only(press, 'ToNoteOn')
    rows += [row('Stop press to synthesizer, median of 200', widget, counter(press, name, 'median_us', 1e-3),
                 counter(press, name, 'anchor_median_us', 1e-3), 'ms', '< 1 ms', median_under(1)),
             row('Stop press to synthesizer, 99th pct of 200', widget, counter(press, name, 'p99_us', 1e-3),
                 counter(press, name, 'anchor_p99_us', 1e-3), 'ms', '< 2 ms', median_under(2))]
    name = only(f['ends'], 'AsNoteEnds')
    rows.append(row('Stop press as the 1-s note timer ends, worst of 7', widget,
                    counter(f['ends'], name, 'max_us', 1e-3), counter(f['ends'], name, 'anchor_max_us', 1e-3), 'ms',
                    '< 2 ms', median_under(2)))
    timer = 'precise 300 ms QTimer'
    for label, runs, limit in (('idle', f['ticks_idle'], 2), ('every core busy', f['ticks_busy'], 6)):
        name = only(runs, 'Ticks')
        rows += [row(f'Playback tick error, worst of 100, {label}', timer, counter(runs, name, 'tick_err_max_ms'),
                     counter(runs, name, 'anchor_tick_err_max_ms'), 'ms', f'< {limit} ms', median_under(limit)),
                 row(f'Playback drift over 100 ticks, {label}', timer, counter(runs, name, 'drift_ms'),
                     counter(runs, name, 'anchor_drift_ms'), 'ms', '< 2 ms', median_under(2))]
    sizes = ('640x480', '1920x1080', '3840x2160')
    for name, runs in f['views'].items():
        args = arguments(name)
        rows.append(row(f'{"Resize" if args["resize"] else "Full repaint"}, '
                        f'{"fingerboard" if args["view"] else "staff"}, {sizes[args["size"]]}',
                        'copying an image of that size', counter(f['views'], name, 'frame_ms'),
                        counter(f['views'], name, 'anchor_ms'), 'ms', '< 16 ms', median_under(16)))
    for name in f['clicks']:
        rows.append(row(f'Writing one note by a click, {arguments(name)["written"]} columns written',
                        'click painting a square', counter(f['clicks'], name, 'click_ms'),
                        counter(f['clicks'], name, 'anchor_ms'), 'ms', '< 1 ms', median_under(1)))
    idle = f['idle']
    rows += [row('Idle CPU of the program, silent', fluid, idle['program'], idle['fluid'], '%', '< 1%',
                 median_under(1)),
             row('Idle CPU of the program, silent', empty, idle['program'], idle['empty'], '%'),
             row('Idle CPU of its sound server', "FluidSynth window's server", idle['program-server'],
                 idle['fluid-server'], '%')]
    name = only(f['first'], 'FirstNote')
    rows.append(row('First note after silence, press to sink', 'the next press, awake',
                    counter(f['first'], name, 'after_silence_ms'), counter(f['first'], name, 'awake_ms'), 'ms',
                    '< 20 ms', median_under(20)))
    for name in f['files']:
        save = arguments(name)['save']
        rows.append(row(f'{"Saving" if save else "Loading"} a melody of 65,534 notes', 'plain file calls, same bytes',
                        counter(f['files'], name, 'file_ms'), counter(f['files'], name, 'anchor_ms'), 'ms',
                        '<= 3x', ratio_at_most(3)))
    exports, empty_export = f['exports'], 'an empty melody, same format'
    for name in exports:
        limit = ACCEPTED_PEAK_MB if exports[name][0]['accepted'] else REFUSED_PEAK_MB
        rows.append(row(f'Peak memory, {exports[name][0]["label"]}', empty_export,
                        counter(exports, name, 'peak_mb'), counter(exports, name, 'anchor_peak_mb'), 'MB',
                        f'< {limit} MB', median_under(limit)))
    for name in exports:
        rows.append(row(f'Time, {exports[name][0]["label"]}', empty_export, counter(exports, name, 'ms'),
                        counter(exports, name, 'anchor_ms'), 'ms'))
    practice = f['practice']
    for part, key, name, anchor, goal in (
            ('Record', 'record_ms', 'Recording an answer, UI thread, 100,000 stored', 'SQLite insert on the UI thread',
             ('< 2 ms', median_under(2))),
            ('Record', 'written_ms', 'Recording an answer, until on the disk', 'SQLite insert on the UI thread',
             ('-', None)),
            ('OpenProgress', 'open_ms', 'Opening the progress window, 100,000 answers', 'bare window, empty chart',
             ('< 300 ms', median_under(300))),
            ('PracticeCsv', 'csv_ms', '--practice-csv of 100,000 answers', 'voldrim --version',
             ('< 1 s', median_under(1000)))):
        name_of_run = only(practice, part)
        rows.append(row(name, anchor, counter(practice, name_of_run, key), counter(practice, name_of_run, 'anchor_ms'),
                        'ms', goal[0], goal[1]))
    return rows


def check_tools():
    if not os.path.exists(os.path.join(BENCH, 'view_bench')):
        sys.exit('bench: no benchmark programs in build/bench (is Google Benchmark, libbenchmark-dev, installed?)')
    for tool in ('pulseaudio', 'Xvfb'):
        if not shutil.which(tool):
            sys.exit(f'bench: {tool} is needed (scripts/install-deps installs it)')


def main():
    check_tools()
    began = time.monotonic()
    text = table(rows_of(measure()))
    print(text)
    with open(os.path.join(BENCH, 'table.md'), 'w') as f:
        f.write(text + '\n')
    say(f'{RUNS} runs each ({EXPORT_RUNS} of each export), {time.monotonic() - began:.0f} s; medians [ranges]; the table is also in '
        f'{os.path.relpath(os.path.join(BENCH, "table.md"), ROOT)}')
    shutil.rmtree(SCRATCH, ignore_errors=True)


if __name__ == '__main__':
    try:
        main()
    finally:
        for child in reversed(children):
            if child.poll() is None:
                child.terminate()
                child.wait()
