#!/usr/bin/env python3
"""Writes the two calculation pages of the user guide.

Every worked example is run through lodema-batch and the texts it writes are
put into the page, so no number in an example is worked out by hand. The
examples carry their inputs and expected outputs in data- attributes; the
guide test reads them back and runs them again.

usage: calculation_pages.py PATH/TO/lodema-batch docs/guide
"""
import html
import re
import os
import subprocess
import sys

PLANE = "plane (dip, dip direction in the input notation)"
LINE = "line (plunge, trend in the input notation)"
CORE = "core axis: plunge and trend of the hole, down the hole"

# Box slots of the entry windows: A 0-2, B 3-5, C 6-7, D 8-10.
SLOT_WINDOW = {0: "A", 1: "A", 2: "A", 3: "B", 4: "B", 5: "B", 6: "C", 7: "C", 8: "D", 9: "D", 10: "D"}


def ex(boxes, labels, settings=None, flags=None, note=""):
    return {"boxes": boxes, "labels": labels, "settings": settings or {}, "flags": flags or [],
            "note": note}


GEOMETRY = [
    (0, "Line of intersection between planes A & B", PLANE, PLANE, "-", "-",
     "the line common to both planes (plunge, trend).",
     "Two beds, a bed and a cleavage, or two joint sets: the answer is the line both contain, "
     "for instance a cleavage/bedding intersection lineation.",
     [ex({0: "30", 1: "090", 3: "60", 4: "180"}, {0: "dip", 1: "dir'n", 3: "dip", 4: "dir'n"})]),
    (1, "Plane containing lines A & B", LINE, LINE, "-", "-",
     "the plane that contains both lines (dip, dip direction).",
     "Two lineations measured on one surface give the surface.",
     [ex({0: "20", 1: "045", 3: "40", 4: "120"}, {0: "plunge", 1: "trend", 3: "plunge", 4: "trend"})]),
    (2, "Angle between lines A & B", LINE, LINE, "obtuse flag: type Y for the obtuse angle, N or nothing for the acute one", "-",
     "the angle between the lines in degrees.",
     "The first character Y, T, O or 1 (either case) asks for the obtuse angle.",
     [ex({0: "20", 1: "045", 3: "40", 4: "120", 6: "N"}, {0: "plunge", 1: "trend", 3: "plunge", 4: "trend", 6: "obtuse?"}),
      ex({0: "20", 1: "045", 3: "40", 4: "120", 6: "Y"}, {0: "plunge", 1: "trend", 3: "plunge", 4: "trend", 6: "obtuse?"},
         note="The same lines with the obtuse angle asked for.")]),
    (3, "Angle between planes A & B", PLANE, PLANE, "obtuse flag, as in calculation 2", "-",
     "the angle between the planes in degrees.", "",
     [ex({0: "30", 1: "090", 3: "60", 4: "180", 6: "N"}, {0: "dip", 1: "dir'n", 3: "dip", 4: "dir'n", 6: "obtuse?"})]),
    (4, "Angle between plane A and line B", PLANE, LINE, "-", "-",
     "the angle between the plane and the line in degrees (0 when the line lies in the plane).", "",
     [ex({0: "30", 1: "090", 3: "40", 4: "120"}, {0: "dip", 1: "dir'n", 3: "plunge", 4: "trend"})]),
    (5, "Plane with normal A", LINE, "-", "-", "-",
     "the plane at right angles to the line.",
     "A pole or a fold axis gives the plane normal to it (for instance the profile plane of a fold).",
     [ex({0: "60", 1: "270"}, {0: "plunge", 1: "trend"})]),
    (6, "Normal to plane A", PLANE, "-", "-", "-",
     "the pole of the plane: the downward line at right angles to it.", "",
     [ex({0: "30", 1: "090"}, {0: "dip", 1: "dir'n"})]),
    (7, "Apparent dip of plane A in section trend B", PLANE, "the trend of the vertical section (one box, 'trend')", "-", "-",
     "the apparent dip of the plane in the section and its sense: the end of the section towards which the trace goes down.",
     "A section along the dip direction shows the true dip; along the strike it shows 0.",
     [ex({0: "30", 1: "090", 4: "045"}, {0: "dip", 1: "dir'n", 4: "trend"})]),
    (8, "Line with pitch B in plane A", PLANE, "the pitch and its sense: the end of the strike line it is measured from (a compass letter)", "-", "-",
     "the line lying in the plane at that pitch.",
     "The pitch is the angle within the plane from the strike line to the line, 0 to 90 degrees. "
     "The sense letter names the end of the strike line the pitch is measured from.",
     [ex({0: "40", 1: "120", 4: "30", 5: "E"}, {0: "dip", 1: "dir'n", 4: "pitch", 5: "sense"})]),
    (9, "Line with hade B in plane A", PLANE, "the hade: angle in the plane, clockwise from the dip line", "-", "-",
     "the line lying in the plane at that hade.", "",
     [ex({0: "40", 1: "120", 4: "30"}, {0: "dip", 1: "dir'n", 4: "hade"})]),
    (10, "Pitch of line B in plane A", PLANE, LINE, "-", "-",
     "the pitch of the line in the plane and its sense. The message panel shows the misfit: the angle between the line and the plane, "
     "in whole degrees; Lodema beeps when it exceeds 10 degrees, because the line then hardly lies in the plane.", "",
     [ex({0: "40", 1: "120", 3: "19", 4: "054"}, {0: "dip", 1: "dir'n", 3: "plunge", 4: "trend"})]),
    (11, "Hade of line B in plane A", PLANE, LINE, "-", "-",
     "the hade of the line in the plane, with the same misfit message as calculation 10.", "",
     [ex({0: "40", 1: "120", 3: "19", 4: "054"}, {0: "dip", 1: "dir'n", 3: "plunge", 4: "trend"})]),
    (12, "Line A rotated around axis line B", LINE, "the rotation axis (a line)", "the rotation angle in degrees, clockwise looking down the axis; negative anticlockwise", "-",
     "the rotated line. The message says which way it turned and whether the rotated line faces upward or downward.", "",
     [ex({0: "20", 1: "045", 3: "10", 4: "180", 6: "30"}, {0: "plunge", 1: "trend", 3: "plunge", 4: "trend", 6: "rot'n"})]),
    (13, "Plane A rotated around axis line B", PLANE, "the rotation axis (a line)", "the rotation angle, as in calculation 12", "-",
     "the rotated plane.",
     "Use it to restore a plane by undoing a known tilt.",
     [ex({0: "30", 1: "090", 3: "0", 4: "180", 6: "-30"}, {0: "dip", 1: "dir'n", 3: "plunge", 4: "trend", 6: "rot'n"})]),
    (14, "Unfold line B within bed A about fold axis C", "the bed", "a line within the bed", "the fold axis (a line)", "-",
     "the line after the bed has been rotated to horizontal about the fold axis. The message gives the residual plunge: "
     "what is left of the line's plunge after unfolding, which should be near 0 for a line lying in the bed.",
     "",
     [ex({0: "40", 1: "120", 3: "19", 4: "054", 6: "10", 7: "030"}, {0: "dip", 1: "dir'n", 3: "plunge", 4: "trend", 6: "plunge", 7: "trend"})]),
    (15, "Reformat Plane A (using I/O conventions above)", PLANE, "-", "-", "-",
     "the same plane written in the output notation.",
     "Choose the input notation of your data and the output notation you want on the conventions page.",
     [ex({0: "30", 1: "090"}, {0: "dip", 1: "dir'n"}, settings={"PlaneConvOut": "3"},
         note="Output notation: strike, dip and sense."),
      ex({0: "45", 1: "200"}, {0: "dip", 1: "dir'n"}, settings={"PlaneConvOut": "3", "QuadrantOut": "1"},
         note="Output notation: strike, dip and sense, with quadrant bearings.")]),
    (16, "Reformat Line A", LINE, "-", "-", "-",
     "the same line written in the output notation.", "",
     [ex({0: "30", 1: "090"}, {0: "plunge", 1: "trend"}, settings={"LineConvOut": "1", "QuadrantOut": "1"},
         note="Output notation: trend first, with quadrant bearings.")]),
    (26, "Line at angle C to line with pitch B in plane A", PLANE, "the pitch and sense of a first line in the plane", "an angle in the plane, in degrees", "-",
     "the line lying in the plane at angle C from the first line.", "",
     [ex({0: "40", 1: "120", 4: "30", 5: "E", 6: "20"}, {0: "dip", 1: "dir'n", 4: "pitch", 5: "sense", 6: "angle"})]),
    (27, "Line with trend B lying in Plane A", PLANE, "the trend of the line (one box)", "-", "-",
     "the line in the plane with that trend: its plunge is the apparent dip in that direction.", "",
     [ex({0: "30", 1: "090", 4: "045"}, {0: "dip", 1: "dir'n", 4: "trend"})]),
    (28, "Pitch of intersection of plane B in plane A", PLANE, PLANE, "-", "-",
     "the pitch, in plane A, of the line where plane B cuts it, and its sense.", "",
     [ex({0: "30", 1: "090", 3: "60", 4: "180"}, {0: "dip", 1: "dir'n", 3: "dip", 4: "dir'n"})]),
    (29, "Plane bisecting planes A & B", PLANE, PLANE, "obtuse flag", "-",
     "the plane that bisects the acute (or with Y the obtuse) angle between the planes.", "",
     [ex({0: "30", 1: "090", 3: "60", 4: "180", 6: "N"}, {0: "dip", 1: "dir'n", 3: "dip", 4: "dir'n", 6: "obtuse?"})]),
    (30, "Line bisecting planes A & B", PLANE, PLANE, "obtuse flag", "-",
     "the line that bisects the angle between the planes in the plane normal to both.", "",
     [ex({0: "30", 1: "090", 3: "60", 4: "180", 6: "N"}, {0: "dip", 1: "dir'n", 3: "dip", 4: "dir'n", 6: "obtuse?"})]),
    (31, "Plane normal to both planes A & B", PLANE, PLANE, "-", "-",
     "the plane at right angles to both: its pole is their line of intersection.", "",
     [ex({0: "30", 1: "090", 3: "60", 4: "180"}, {0: "dip", 1: "dir'n", 3: "dip", 4: "dir'n"})]),
    (32, "Hade of line with pitch B in plane A", PLANE, "the pitch and sense of the line", "-", "-",
     "the hade of that line in the plane.", "",
     [ex({0: "40", 1: "120", 4: "30", 5: "E"}, {0: "dip", 1: "dir'n", 4: "pitch", 5: "sense"})]),
    (33, "Plane bisecting lines A & B", LINE, LINE, "obtuse flag", "-",
     "the plane that bisects the angle between the lines, at right angles to the plane containing them.", "",
     [ex({0: "20", 1: "045", 3: "40", 4: "120", 6: "N"}, {0: "plunge", 1: "trend", 3: "plunge", 4: "trend", 6: "obtuse?"})]),
    (34, "Unfold bed A about fold axis C; track line B", "the bed", "any line to carry along", "the fold axis", "-",
     "where line B lies once the bed has been rotated to horizontal about the fold axis. A negative plunge shows an upward-facing line.", "",
     [ex({0: "40", 1: "120", 3: "30", 4: "200", 6: "10", 7: "030"}, {0: "dip", 1: "dir'n", 3: "plunge", 4: "trend", 6: "plunge", 7: "trend"})]),
    (35, "Unfold bed A about fold axis C; track plane B", "the bed", "any plane to carry along", "the fold axis", "-",
     "where plane B lies once the bed has been rotated to horizontal about the fold axis.", "",
     [ex({0: "40", 1: "120", 3: "70", 4: "300", 6: "10", 7: "030"}, {0: "dip", 1: "dir'n", 3: "dip", 4: "dir'n", 6: "plunge", 7: "trend"})]),
    (36, "Line with plunge B lying in Plane A", PLANE, "the plunge of the line and its sense: the side of the dip direction it trends to (a compass letter)", "-", "-",
     "the line in the plane with that plunge. A plunge steeper than the dip is reported as an error and the dip line is given.", "",
     [ex({0: "40", 1: "120", 4: "20", 5: "N"}, {0: "dip", 1: "dir'n", 4: "plunge", 5: "sense"})]),
]

CORE_CALCS = [
    (17, "Plane with beta and alpha angles in A", "beta, then alpha of the plane's ellipse", "-", CORE, "-",
     "the plane (dip, dip direction).", "",
     [ex({0: "30", 1: "60", 6: "45", 7: "180"}, {0: "beta", 1: "alpha", 6: "plunge", 7: "trend"})]),
    (18, "Line with beta and alpha angles in A", "beta, then alpha of the line", "-", CORE, "-",
     "the line (plunge, trend).", "For a line, alpha is its angle to the core axis and beta its angle around the core from the mark.",
     [ex({0: "30", 1: "60", 6: "45", 7: "180"}, {0: "beta", 1: "alpha", 6: "plunge", 7: "trend"})]),
    (19, "Line with gamma B in plane with beta and alpha angles in A", "beta, then alpha of the plane", "gamma of the line in that plane", CORE, "-",
     "the line, and in the second result window the plane that contains it (\"Plane solution\").", "",
     [ex({0: "30", 1: "60", 4: "40", 6: "45", 7: "180"}, {0: "beta", 1: "alpha", 4: "gamma", 6: "plunge", 7: "trend"},
         flags=["--ref-plane-columns"])]),
    (20, "Reference plane with alpha angle in A", "alpha of the reference plane", "-", CORE, "the reference line: what you know of the reference plane's direction (see below)",
     "the reference plane. When the cone of possible poles meets the known direction twice, the second plane is shown as the "
     "ambiguous solution and the message says \"Note: Two ambiguous solutions found!!\".",
     "D holds what you know of the reference plane, chosen with the options beside D: its dip direction, its strike, "
     "the fold axis it contains, or its approximate orientation. With the dip direction or strike, choose also its approximate dip "
     "(<30, 30-60, >60): Lodema uses it to pick the better of two solutions.",
     [ex({0: "49", 6: "60", 7: "180", 9: "090"}, {0: "alpha", 6: "plunge", 7: "trend", 9: "dir'n"},
         settings={"RefDirn": "0", "SteepDip": "0"},
         note="D gives the dip direction 090 of the reference plane, approximate dip below 30 degrees.")]),
    (21, "Other plane with 'beta' and alpha in B, ref. plane alpha in A", "alpha of the reference plane", "beta, then alpha of another plane, beta measured from the reference plane's ellipse mark", CORE, "the reference line, as in 20",
     "the other plane, with the reference plane in the second result window.", "",
     [ex({0: "49", 3: "40", 4: "50", 6: "60", 7: "180", 9: "090"}, {0: "alpha", 3: "beta", 4: "alpha", 6: "plunge", 7: "trend", 9: "dir'n"},
         settings={"RefDirn": "0", "SteepDip": "0"}, flags=["--ref-plane-columns"])]),
    (22, "Line with gamma angle B within ref. plane alpha in A", "alpha of the reference plane", "gamma: the angle in the reference plane from its ellipse long axis to the line", CORE, "the reference line, as in 20",
     "the line lying in the reference plane, with the reference plane in the second result window.", "",
     [ex({0: "49", 4: "30", 6: "60", 7: "180", 9: "090"}, {0: "alpha", 4: "gamma", 6: "plunge", 7: "trend", 9: "dir'n"},
         settings={"RefDirn": "0", "SteepDip": "0"}, flags=["--ref-plane-columns"])]),
    (23, "Any line with 'beta' & alpha in B, ref.plane alpha in A", "alpha of the reference plane", "beta, then alpha of a line, beta measured from the reference plane's ellipse mark", CORE, "the reference line, as in 20",
     "the line, with the reference plane in the second result window.", "",
     [ex({0: "49", 3: "40", 4: "50", 6: "60", 7: "180", 9: "090"}, {0: "alpha", 3: "beta", 4: "alpha", 6: "plunge", 7: "trend", 9: "dir'n"},
         settings={"RefDirn": "0", "SteepDip": "0"}, flags=["--ref-plane-columns"])]),
    (24, "Plane with alpha angles in core axes A & B and approximate reference line D", "a core axis and the alpha of the plane in it", "a second core axis and the alpha of the same plane in it", "-", "the approximate reference line",
     "no computed answer: the result windows show \"*Use*\", \"stereo\", \"****\" and the message \"Manual solution using stereo only\". "
     "Solve it on the stereonet (see the drill-core page).", "",
     [ex({0: "60", 1: "180", 2: "30", 3: "45", 4: "090", 5: "40", 9: "270"}, {0: "plunge", 1: "trend", 2: "alpha", 3: "plunge", 4: "trend", 5: "alpha", 9: "dir'n"},
         settings={"RefDirn": "0"})]),
    (25, "Plane with alpha angles in core axes A, B, & D", "a core axis and alpha", "a second core axis and alpha", "-", "a third core axis and alpha",
     "no computed answer, as in 24; the three cones are plotted for the manual solution.", "",
     [ex({0: "60", 1: "180", 2: "30", 3: "45", 4: "090", 5: "40", 8: "50", 9: "270", 10: "35"},
         {0: "plunge", 1: "trend", 2: "alpha", 3: "plunge", 4: "trend", 5: "alpha", 8: "plunge", 9: "trend", 10: "alpha"})]),
    (37, "Other plane with 'beta' and alpha in B", "-", "beta, then alpha of another plane, beta from the reference plane's ellipse mark", CORE, "the reference plane (dip, dip direction), known from elsewhere",
     "the other plane.", "",
     [ex({3: "40", 4: "50", 6: "60", 7: "180", 8: "30", 9: "090"}, {3: "beta", 4: "alpha", 6: "plunge", 7: "trend", 8: "dip", 9: "dip dir'n"})]),
    (38, "Line with gamma angle B within ref. plane", "-", "gamma: the angle in the reference plane from its ellipse long axis to the line", CORE, "the reference plane",
     "the line lying in the reference plane.", "",
     [ex({4: "30", 6: "60", 7: "180", 8: "30", 9: "090"}, {4: "gamma", 6: "plunge", 7: "trend", 8: "dip", 9: "dip dir'n"})]),
    (39, "Any line with 'beta' & alpha in B", "-", "beta, then alpha of a line, beta from the reference plane's ellipse mark", CORE, "the reference plane",
     "the line.", "",
     [ex({3: "40", 4: "50", 6: "60", 7: "180", 8: "30", 9: "090"}, {3: "beta", 4: "alpha", 6: "plunge", 7: "trend", 8: "dip", 9: "dip dir'n"})]),
    (40, "Clockwise angle to core 'BM' from ref. plane with alpha in A", "alpha of the reference plane", "-", CORE, "the reference line, as in 20",
     "the angle, clockwise looking down the hole, from the reference plane's ellipse mark to where the orientation mark should be: "
     "use it to draw the mark line on a core piece that lost it.", "",
     [ex({0: "49", 6: "60", 7: "180", 9: "090"}, {0: "alpha", 6: "plunge", 7: "trend", 9: "dir'n"},
         settings={"RefDirn": "0", "SteepDip": "0"})]),
    (41, "Clockwise angle to core 'BM' from ref. plane ellipse", "-", "-", CORE, "the reference plane",
     "the angle from the reference plane's ellipse mark clockwise to the orientation mark, as in 40.", "",
     [ex({6: "60", 7: "180", 8: "30", 9: "090"}, {6: "plunge", 7: "trend", 8: "dip", 9: "dip dir'n"})]),
]


def run_example(tool, calc, e):
    slots = sorted(e["boxes"])
    columns = ["0"] * 11
    for column, slot in enumerate(slots, start=1):
        columns[slot] = str(column)
    args = [tool, "--calc", str(calc), "--in", "-", "--out", "-", "--captions",
            "--map", ",".join(columns), "--decimal-char", "."]
    for key, value in e["settings"].items():
        args += ["--set", f"{key}={value}"]
    args += e["flags"]
    line = "\t".join(e["boxes"][s] for s in slots) + "\n"
    done = subprocess.run(args, input=line.encode(), capture_output=True, env=dict(os.environ, LC_ALL="C"))
    if done.returncode != 0:
        sys.exit(f"calculation {calc}: lodema-batch failed: {done.stderr.decode()}")
    lines = done.stdout.decode().split("\r\n")
    return lines[0].split("\t"), lines[1].split("\t")


def example_html(tool, calc, e):
    captions, results = run_example(tool, calc, e)
    slots = sorted(e["boxes"])
    attrs = {
        "class": "example",
        "data-calc": str(calc),
        "data-boxes": ";".join(f"{s}={e['boxes'][s]}" for s in slots),
        "data-settings": ";".join(f"{k}={v}" for k, v in e["settings"].items()),
        "data-flags": " ".join(e["flags"]),
        "data-labels": ";".join(f"{s}={e['labels'].get(s, '')}" for s in slots),
        "data-note": e["note"],
        "data-captions": "|".join(captions),
        "data-results": "|".join(results),
    }
    # The border attributes draw the grid in the help window, which does not
    # read table borders from the style sheet.
    out = ['<table border="1" cellspacing="0" cellpadding="3" ' + " ".join(f'{k}="{html.escape(v)}"' for k, v in attrs.items()) + ">"]
    out.append(f"<caption>Worked example{': ' + html.escape(e['note']) if e['note'] else ''}</caption>")
    out.append("<tr><th>Window</th><th>Box</th><th>Typed</th></tr>")
    for s in slots:
        out.append(f"<tr><td>{SLOT_WINDOW[s]}</td><td>{html.escape(e['labels'].get(s, ''))}</td>"
                   f"<td class=\"typed\">{html.escape(e['boxes'][s])}</td></tr>")
    out.append("<tr><th>Result</th><th>Caption</th><th>Shown</th></tr>")
    for caption, result in zip(captions, results):
        where, _, what = caption.partition(":")
        out.append(f"<tr><td>{html.escape(where)}</td><td>{html.escape(what)}</td>"
                   f"<td class=\"shown\">{html.escape(result)}</td></tr>")
    out.append("</table>")
    return "\n".join(out)


def calculation_html(tool, entry):
    calc, title, a, b, c, d, result, notes, examples = entry
    out = [f'<h2 id="calc-{calc}">{calc}. {html.escape(title)}</h2>', "<dl class=\"windows\">"]
    for letter, what in zip("ABCD", (a, b, c, d)):
        if what != "-":
            out.append(f"<dt>{letter}</dt><dd>{html.escape(what)}</dd>")
    out.append(f"<dt>Result</dt><dd>{html.escape(result)}</dd></dl>")
    if notes:
        out.append(f"<p>{html.escape(notes)}</p>")
    for e in examples:
        out.append(example_html(tool, calc, e))
    return "\n".join(out)


def page(tool, title, intro, entries, previous, following):
    toc = "\n".join(f'<li><a href="#calc-{e[0]}">{e[0]}. {html.escape(e[1])}</a></li>' for e in entries)
    body = "\n\n".join(calculation_html(tool, e) for e in entries)
    return f"""<!DOCTYPE html>
<html lang="en">
<head>
<meta charset="utf-8">
<title>{title}</title>
<link rel="stylesheet" href="guide.css">
</head>
<body>
<p class="nav"><a href="index.html">Contents</a> | <a href="{previous[0]}">{previous[1]}</a> | <a href="{following[0]}">{following[1]}</a></p>
<h1>{title}</h1>
{intro}
<ul class="toc">
{toc}
</ul>

{body}

<p class="nav"><a href="index.html">Contents</a> | <a href="{previous[0]}">{previous[1]}</a> | <a href="{following[0]}">{following[1]}</a></p>
</body>
</html>
"""


GEOMETRY_INTRO = """<p>These calculations work on planes and lines typed in the input notation chosen on the
conventions page (see <a href="notations.html">Notations and conventions</a>); the results are written in the
output notation. All examples below use the default notations: planes as dip and dip direction, lines as plunge
and trend, azimuths in degrees clockwise from north. Each example shows what was typed in each box and what Lodema
shows, with the result captions as they appear in an output file (window:caption).</p>
<p>Where a calculation's caption contains an angle name (pitch, hade), the name follows your choice in the
nomenclature dialog.</p>"""

CORE_INTRO = """<p>These calculations turn angles measured on drill core into geographic orientations. Read
<a href="drill-core.html">Drill-core angles</a> first: it explains alpha, beta, gamma and delta, the orientation
mark and the top and bottom of the ellipse. The core axis always goes in window C (or in A, B and D for 24 and 25),
as plunge and trend of the hole pointing down the hole. The examples use the default drill-core conventions:
orientation mark at the bottom of the core, alpha measured to the ellipse long axis, beta clockwise 0 to 360 from the
mark to the top of the ellipse, downward plunge positive.</p>
<p>The examples use downward holes. For upward holes type a negative plunge (or follow the conventions you set).</p>"""


EXAMPLE_TABLE = re.compile(r'<table [^>]*class="example"[^>]*>.*?</table>', re.DOTALL)
ATTRIBUTE = re.compile(r'(data-[a-z]+)="([^"]*)"')


def pairs(text):
    """'0=30;1=090' -> {0: '30', 1: '090'} (keys as int when they are numbers)."""
    out = {}
    for item in filter(None, text.split(";")):
        key, _, value = item.partition("=")
        out[int(key) if key.isdigit() else key] = value
    return out


def refresh_examples(tool, path):
    """Runs every example table of a hand-written page again and rewrites it."""
    def rebuild(match):
        attrs = {k: html.unescape(v) for k, v in ATTRIBUTE.findall(match.group(0))}
        e = ex(pairs(attrs["data-boxes"]), pairs(attrs.get("data-labels", "")),
               pairs(attrs.get("data-settings", "")), attrs.get("data-flags", "").split(),
               attrs.get("data-note", ""))
        return example_html(tool, int(attrs["data-calc"]), e)
    with open(path, encoding="utf-8") as f:
        text = f.read()
    with open(path, "w", encoding="utf-8") as f:
        f.write(EXAMPLE_TABLE.sub(rebuild, text))


BATCH_EXAMPLE = re.compile(r'<div class="batch-example"[^>]*>.*?</div>', re.DOTALL)


def batch_example_html(tool, args, text):
    """A whole-file run: the command, the input, the output file and the summary."""
    done = subprocess.run([tool] + args.split() + ["--in", "-", "--out", "-", "--decimal-char", "."],
                          input=text.encode(), capture_output=True, env=dict(os.environ, LC_ALL="C"))
    output = done.stdout.decode().replace("\r\n", "\n")
    summary = done.stderr.decode()
    attrs = {"class": "batch-example", "data-args": args, "data-input": text, "data-output": output,
             "data-summary": summary, "data-status": str(done.returncode)}
    return "\n".join([
        "<div " + " ".join(f'{k}="{html.escape(v)}"' for k, v in attrs.items()) + ">",
        f"<p>Command: <code>lodema-batch {html.escape(args)} --in input.txt --out output.txt</code></p>",
        "<p>input.txt (tab-separated):</p>", f"<pre>{html.escape(text)}</pre>",
        "<p>output.txt:</p>", f"<pre>{html.escape(output)}</pre>",
        "<p>Summary (standard error):</p>", f"<pre>{html.escape(summary)}</pre>",
        "</div>"])


def refresh_batch_examples(tool, path):
    def rebuild(match):
        attrs = {k: html.unescape(v) for k, v in ATTRIBUTE.findall(match.group(0))}
        return batch_example_html(tool, attrs["data-args"], attrs["data-input"])
    with open(path, encoding="utf-8") as f:
        text = f.read()
    with open(path, "w", encoding="utf-8") as f:
        f.write(BATCH_EXAMPLE.sub(rebuild, text))


def main():
    tool, folder = sys.argv[1], sys.argv[2]
    for name in ("notations.html", "drill-core.html", "file-page.html"):
        if os.path.exists(os.path.join(folder, name)):
            refresh_examples(tool, os.path.join(folder, name))
            refresh_batch_examples(tool, os.path.join(folder, name))
    pages = [
        ("calc-geometry.html", "Geometrical calculations", GEOMETRY_INTRO, GEOMETRY,
         ("notations.html", "Previous: Notations"), ("calc-core.html", "Next: Drill-core calculations")),
        ("calc-core.html", "Drill-core calculations", CORE_INTRO, CORE_CALCS,
         ("calc-geometry.html", "Previous: Geometrical calculations"), ("drill-core.html", "Next: Drill-core angles")),
    ]
    for name, title, intro, entries, previous, following in pages:
        with open(os.path.join(folder, name), "w", encoding="utf-8") as f:
            f.write(page(tool, title, intro, entries, previous, following))


if __name__ == "__main__":
    main()
