"""The real dock at a device pixel ratio of 2 against the same dock at 1: the layout stays in
logical pixels, a shortcut's 256-pixel picture is drawn from its own pixels (its stripes' edges
as sharp in device pixels as at scale 1, not the 1x picture enlarged), the skin is as sharp, and
a click on the icon where it is drawn launches it (the window's input shape counts device
pixels)."""

import os
import subprocess
import sys
import time

import menu_file
from e2e_support import Session, marker_script, poll, terminate

WIDTH, HEIGHT = 1366, 768
SLOT = 4  # at 45 degrees: (683 + 212, 384 + 212)
SLOT_CENTRE = (895, 596)
STRIPE_EDGES = 5  # of the stripes, 6 pixels wide at 48, in the middle 36 pixels


class Xvfb:
    """A virtual screen of its own, for the scale-2 run."""

    def __init__(self, width, height):
        reader, writer = os.pipe()
        self.process = subprocess.Popen(
            ["Xvfb", "-displayfd", str(writer), "-screen", "0", f"{width}x{height}x24",
             "-nolisten", "tcp"], pass_fds=(writer,), stderr=subprocess.DEVNULL)
        os.close(writer)
        with os.fdopen(reader) as numbers:
            self.display = ":" + numbers.readline().strip()

    def close(self):
        self.process.terminate()
        self.process.wait(timeout=10)


def striped_picture(path):
    """Eight upright stripes, dark and light, each 32 pixels wide."""
    draws = []
    for stripe in range(0, 8, 2):
        draws += ["-draw", f"rectangle {stripe * 32},0 {stripe * 32 + 31},255"]
    subprocess.run(["convert", "-size", "256x256", "xc:#f0f0f0", "-fill", "#202020", *draws,
                    path], check=True)
    return path


def prepare_home(session):
    script = marker_script(session.home, "striped")
    picture = striped_picture(os.path.join(session.home, "striped.png"))
    groups, records = menu_file.default_table(session.sys_icons)
    records[SLOT] = menu_file.program(menu_file.KIND_SHORTCUT, SLOT, script, Title="Striped",
                                      IconFile=picture)
    menu_file.write(session.data("QAVMenu.cfg"), groups, records)
    return script


def row(path, y, x0, x1):
    """The grey levels of one screen row from x0 to x1 (device pixels)."""
    out = subprocess.run(["convert", path, "-crop", f"{x1 - x0}x1+{x0}+{y}", "-colorspace",
                          "gray", "-depth", "8", "gray:-"], check=True,
                         capture_output=True).stdout
    return list(out)


def edge_sharpness(levels):
    """How much of each stripe edge's rise or fall happens in its single steepest pixel step,
    averaged over the edges: 1 for a hard edge, about 0.5 for one enlarged from half as many
    pixels."""
    contrast = max(levels) - min(levels)
    steps = [b - a for a, b in zip(levels, levels[1:])]
    edges, sharpness, i = 0, 0.0, 0
    while i < len(steps):
        if abs(steps[i]) < contrast / 10:
            i += 1
            continue
        sign, total, steepest = steps[i] > 0, 0, 0
        while i < len(steps) and abs(steps[i]) >= 2 and (steps[i] > 0) == sign:
            total += abs(steps[i])
            steepest = max(steepest, abs(steps[i]))
            i += 1
        if total > contrast / 2:
            edges += 1
            sharpness += steepest / total
    assert edges >= STRIPE_EDGES, f"only {edges} stripe edges in {levels}"
    return sharpness / edges


def run_at(scale, binary, artifacts):
    session = Session(binary, artifacts)
    session.env["QT_SCALE_FACTOR"] = str(scale)
    script = prepare_home(session)
    try:
        dock = session.start()
        subprocess.run(["xdotool", "mousemove", "5", "5"], check=True)
        time.sleep(1)
        shot = session.screenshot(f"high_density_scale{scale}.png")
        x, y = (c * scale for c in SLOT_CENTRE)
        half = 18 * scale  # inside the 48-pixel icon, clear of its rounded frame
        sharpness = edge_sharpness(row(shot, y, x - half, x + half))

        # The icon takes the click where it is drawn and launches the shortcut.
        subprocess.run(["xdotool", "mousemove", str(x), str(y)], check=True)
        time.sleep(0.5)
        subprocess.run(["xdotool", "click", "1"], check=True)
        poll(lambda: os.path.exists(script + ".out"), f"the shortcut launched at scale {scale}")
        assert terminate(dock) == 0
        return sharpness
    finally:
        session.close()


def main(binary, artifacts):
    plain = run_at(1, binary, artifacts)
    dense_screen = Xvfb(2 * WIDTH, 2 * HEIGHT)
    display = os.environ["DISPLAY"]
    os.environ["DISPLAY"] = dense_screen.display
    try:
        dense = run_at(2, binary, artifacts)
    finally:
        os.environ["DISPLAY"] = display
        dense_screen.close()
    print(f"edge sharpness: scale 1 {plain:.2f}, scale 2 {dense:.2f}")
    assert plain > 0.8, f"the stripes are blurred even at scale 1 ({plain:.2f})"
    assert dense >= plain - 0.1, f"scale 2 is blurrier than scale 1: {dense:.2f} < {plain:.2f}"
    print("high density: ok")


if __name__ == "__main__":
    main(sys.argv[1], sys.argv[2])
