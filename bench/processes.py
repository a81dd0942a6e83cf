"""Times whole processes, start-up included, and prints 'name: median unit' lines.

    processes.py --name NAME [--runs N] [--vs 'COMMAND' --vs-name NAME] -- COMMAND...

Each run's wall time is read around the start and the reaping of the process,
its CPU time (user and system) comes from the system's account of the finished
child. (Not its peak memory: a child of this interpreter starts as a copy of it
and is counted at its size at least.) With --vs the two commands take turns, A B A B ..., and
the ratio of their wall times is taken pair by pair, so that a machine that
slows down during the runs moves both alike. One run of each comes first and
is not counted. Output is thrown away; a command that fails stops the bench.
"""
import argparse
import os
import shlex
import shutil
import statistics
import sys
import time


def run(argv):
    program = shutil.which(argv[0]) or argv[0]
    actions = [(os.POSIX_SPAWN_OPEN, 0, os.devnull, os.O_RDONLY, 0),
               (os.POSIX_SPAWN_OPEN, 1, os.devnull, os.O_WRONLY, 0),
               (os.POSIX_SPAWN_OPEN, 2, os.devnull, os.O_WRONLY, 0)]
    start = time.perf_counter_ns()
    pid = os.posix_spawn(program, argv, os.environ, file_actions=actions)
    _, status, usage = os.wait4(pid, 0)
    wall = time.perf_counter_ns() - start
    if os.waitstatus_to_exitcode(status) != 0:
        sys.exit(f"processes.py: {shlex.join(argv)} failed ({status})")
    return wall / 1e6, (usage.ru_utime + usage.ru_stime) * 1e3


def fmt(value):
    return f"{value:.3g}" if value < 1000 else f"{value:.0f}"


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--name", required=True)
    parser.add_argument("--runs", type=int, default=41)
    parser.add_argument("--vs")
    parser.add_argument("--vs-name")
    parser.add_argument("command", nargs=argparse.REMAINDER)
    args = parser.parse_args()
    command = args.command[1:] if args.command[:1] == ["--"] else args.command
    yardstick = shlex.split(args.vs) if args.vs else None

    runs, ratios = [], []
    for i in range(args.runs + 1):
        a = run(command)
        b = run(yardstick) if yardstick else None
        if i == 0:
            continue
        runs.append(a)
        if b:
            ratios.append(a[0] / b[0])

    print(f"{args.name} wall: {fmt(statistics.median(r[0] for r in runs))} ms")
    print(f"{args.name} cpu: {fmt(statistics.median(r[1] for r in runs))} ms")
    if ratios:
        print(f"{args.name} / {args.vs_name or args.vs}: {fmt(statistics.median(ratios))} x")


main()
