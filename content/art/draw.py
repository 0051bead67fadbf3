#!/usr/bin/env python3
"""Writes the SVG source of one of the game's pictures.

    draw.py --names          the pictures this script draws, one a line
    draw.py NAME OUT.svg     writes the picture NAME (its file name without ".png")

The game uploads a picture's first row as the bottom of its quad, so every picture here is
drawn with y pointing up: SVG's y axis, which points down the file, points up on screen.
Text is the one thing that has to be turned over by hand (see text()).

Gear pictures come from gears.tsv beside this script, the same numbers the levels give their
colliders: a picture spans -scale..scale in world units, so a point at world offset (x, y)
from the gear's centre is drawn where the collider has it.
"""

import csv
import math
import os
import sys

HERE = os.path.dirname(os.path.abspath(__file__))

# The one palette. Every colour in every picture is named here.
PALETTE = {
    "ink": "#0e0c0b",
    "night": "#1b1714",
    "soot": "#2b2521",
    "smoke": "#3d3530",
    "brassLight": "#f2d27a",
    "brass": "#c99a2e",
    "brassDark": "#6f5014",
    "goldLight": "#fff0a8",
    "gold": "#f2b818",
    "goldDark": "#8a5a08",
    "copperLight": "#f0a070",
    "copper": "#b8622e",
    "copperDark": "#5e2a10",
    "steelLight": "#d6dde3",
    "steel": "#8d979f",
    "steelDark": "#3f474e",
    "woodLight": "#d39a5c",
    "wood": "#9a6332",
    "woodDark": "#52311a",
    "ember": "#e0431f",
    "emberDark": "#7a1a08",
    "hazard": "#f4c21c",
    "tealLight": "#a8fff4",
    "teal": "#2fbfb4",
    "tealDark": "#0f4f52",
    "boltLight": "#eaffb0",
    "bolt": "#9ee03a",
    "boltDark": "#3c6a0c",
    "bone": "#fbf6ec",
    "boneShade": "#c9c2b4",
    # The skies of the later backdrops: a night blue, a dusk violet and its haze, and honey.
    "midnight": "#10142a",
    "dusk": "#2a2140",
    "duskHaze": "#5a2f3a",
    "honey": "#e39b2b",
    "honeyDark": "#4a2c0c",
    "pupil": "#1a120c",
    "black": "#000000",
    "white": "#ffffff",
}
P = PALETTE


def fmt(v):
    return f"{v:.4f}".rstrip("0").rstrip(".")


def pt(x, y):
    return f"{fmt(x)},{fmt(y)}"


def polar(r, a):
    return r * math.cos(a), r * math.sin(a)


def svg(width, height, box, body, defs=""):
    x0, y0, w, h = box
    return (
        f'<svg xmlns="http://www.w3.org/2000/svg" xmlns:xlink="http://www.w3.org/1999/xlink" '
        f'width="{width}" height="{height}" viewBox="{fmt(x0)} {fmt(y0)} {fmt(w)} {fmt(h)}">\n'
        f"<defs>{defs}</defs>\n{body}\n</svg>\n"
    )


def radial(gid, stops, cx=-0.3, cy=0.35, r=1.2):
    """A radial gradient in the shape's own box, lit from the upper left of the screen."""
    s = "".join(f'<stop offset="{o}" stop-color="{P[c]}"/>' for o, c in stops)
    # objectBoundingBox units: 0..1 across the shape; y grows up the screen.
    return (
        f'<radialGradient id="{gid}" cx="{fmt(0.5 + cx / 2)}" cy="{fmt(0.5 + cy / 2)}" '
        f'r="{fmt(r / 2)}" fx="{fmt(0.5 + cx / 2)}" fy="{fmt(0.5 + cy / 2)}">{s}</radialGradient>'
    )


def linear(gid, stops, x1=0, y1=1, x2=0, y2=0):
    s = "".join(f'<stop offset="{o}" stop-color="{P[c]}"/>' for o, c in stops)
    return (
        f'<linearGradient id="{gid}" x1="{x1}" y1="{y1}" x2="{x2}" y2="{y2}">{s}</linearGradient>'
    )


def circle(cx, cy, r, fill="none", stroke=None, width=0, extra=""):
    s = f' stroke="{stroke}" stroke-width="{fmt(width)}"' if stroke else ""
    return f'<circle cx="{fmt(cx)}" cy="{fmt(cy)}" r="{fmt(r)}" fill="{fill}"{s} {extra}/>'


def circle_path(cx, cy, r, reverse=False):
    sweep = 0 if reverse else 1
    return (
        f"M{pt(cx + r, cy)} A{fmt(r)},{fmt(r)} 0 1 {sweep} {pt(cx - r, cy)} "
        f"A{fmt(r)},{fmt(r)} 0 1 {sweep} {pt(cx + r, cy)} Z "
    )


def polygon(points, fill, stroke=None, width=0, extra=""):
    s = f' stroke="{stroke}" stroke-width="{fmt(width)}" stroke-linejoin="round"' if stroke else ""
    d = " ".join(pt(x, y) for x, y in points)
    return f'<polygon points="{d}" fill="{fill}"{s} {extra}/>'


def text(x, y, size, content, fill, weight="bold", anchor="middle", spacing=0):
    """Text standing upright on screen: turned over, since the picture is drawn y up."""
    return (
        f'<text transform="scale(1,-1)" x="{fmt(x)}" y="{fmt(-y)}" font-family="FreeSans" '
        f'font-weight="{weight}" font-size="{fmt(size)}" text-anchor="{anchor}" '
        f'letter-spacing="{fmt(spacing)}" fill="{fill}">{content}</text>'
    )


# ---------------------------------------------------------------------------------------------
# Gears


def gear_outline(full, belly, teeth, tip, root, phase=0.0):
    """The tooth ring as a path: tooth i's tip is an arc on the full radius centred on
    phase + i 2pi/N, the gap after it an arc on the belly radius centred half a tooth on.
    tip and root are the half-widths of the tip and of the tooth's foot, as fractions of the
    tooth pitch."""
    pitch = 2 * math.pi / teeth
    d = []
    for i in range(teeth):
        a = phase + i * pitch
        p0 = polar(full, a - tip * pitch)
        p1 = polar(full, a + tip * pitch)
        p2 = polar(belly, a + root * pitch)
        p3 = polar(belly, a + pitch - root * pitch)
        d.append(("M" if i == 0 else "L") + pt(*p0))
        if tip > 0:
            d.append(f"A{fmt(full)},{fmt(full)} 0 0 1 {pt(*p1)}")
        d.append("L" + pt(*p2))
        d.append(f"A{fmt(belly)},{fmt(belly)} 0 0 1 {pt(*p3)}")
    d.append("Z")
    return " ".join(d) + " "


def read_gears():
    with open(os.path.join(HERE, "gears.tsv"), newline="") as f:
        rows = list(csv.DictReader(f, delimiter="\t"))
    gears = {}
    for number, row in enumerate(rows, start=2):
        try:
            gears[row["picture"]] = (
                float(row["full_radius"]),
                float(row["belly_radius"]),
                int(row["teeth"]),
                float(row["scale"]),
            )
        except (KeyError, TypeError, ValueError) as error:
            sys.exit(f"gears.tsv:{number}: bad gear row ({error})")
    return gears


# How each gear kind looks: body colours (light, base, dark), tooth tip and foot half-widths.
GEAR_LOOKS = {
    "velmo": (("goldLight", "gold", "goldDark"), 0.17, 0.30),
    "gearSmall": (("copperLight", "copper", "copperDark"), 0.17, 0.30),
    "gear": (("brassLight", "brass", "brassDark"), 0.17, 0.30),
    "gearLarge": (("steelLight", "steel", "steelDark"), 0.17, 0.30),
    "gearHuge": (("copperLight", "brass", "brassDark"), 0.17, 0.30),
    # Pointed teeth: a bomb reads as spiky before its colour is seen.
    "bombGear": (("white", "bone", "boneShade"), 0.035, 0.42),
    # Square, castle-like teeth.
    "teleporterSend": (("tealLight", "steel", "steelDark"), 0.22, 0.25),
    "teleporterReceive": (("tealLight", "steel", "steelDark"), 0.22, 0.25),
}


def gear_picture(name, full, belly, teeth, scale):
    (light, base, dark), tip, root = GEAR_LOOKS[name]
    pixels = int(min(1024, max(384, round(170 * scale / 64) * 64)))
    rim = 0.035 * full
    holes = ""
    hub = 0.30 * belly
    body = []
    defs = [radial("body", [(0, light), (0.55, base), (1, dark)])]
    ring = 0.80 * belly
    spoked = name in ("gearSmall", "gear", "gearLarge", "gearHuge")
    if spoked:
        count = 5 if name == "gearSmall" else 6 if name == "gear" else 7 if name == "gearLarge" else 8
        mid = (hub + ring) / 2
        size = (ring - hub) * 0.36
        for k in range(count):
            holes += circle_path(*polar(mid, math.pi / 2 + k * 2 * math.pi / count), size, True)
    if name.startswith("teleporter"):
        holes += circle_path(0, 0, 0.56 * belly, True)
    outline = gear_outline(full, belly, teeth, tip, root) + holes
    defs.append(f'<clipPath id="inside"><path d="{outline}" fill-rule="evenodd"/></clipPath>')
    body.append(f'<path d="{outline}" fill="url(#body)" fill-rule="evenodd"/>')
    body.append(
        f'<path d="{outline}" fill="none" stroke="{P[dark]}" stroke-width="{fmt(2 * rim)}" '
        f'clip-path="url(#inside)" fill-rule="evenodd"/>'
    )
    # The recessed web between the rim and the hub.
    body.append(circle(0, 0, ring, stroke=P[dark], width=rim * 0.8, extra='opacity="0.8"'))

    if spoked:
        body.append(circle(0, 0, hub, fill=P[light], stroke=P[dark], width=rim))
        body.append(circle(0, 0, hub * 0.38, fill=P["ink"], stroke=P[dark], width=rim * 0.5))
        for k in range(4):
            bx, by = polar(hub * 0.68, math.pi / 4 + k * math.pi / 2)
            body.append(circle(bx, by, hub * 0.1, fill=P[dark]))
    elif name == "velmo":
        body += velmo_face(belly, rim)
    elif name == "bombGear":
        body += bomb_face(belly, rim)
    else:
        body += teleporter_face(name, belly, rim)
    return svg(pixels, pixels, (-scale, -scale, 2 * scale, 2 * scale), "\n".join(body), "".join(defs))


def velmo_face(belly, rim):
    r = 0.80 * belly
    out = [
        circle(0, 0, r, fill=P["bone"], stroke=P["goldDark"], width=rim * 1.2),
    ]
    # Two eyes looking a little ahead (to the right, the way the player faces).
    for ex in (-0.2, 0.2):
        out.append(
            f'<ellipse cx="{fmt(ex)}" cy="0.1" rx="0.13" ry="0.17" fill="{P["white"]}" '
            f'stroke="{P["pupil"]}" stroke-width="0.03"/>'
        )
        out.append(circle(ex + 0.04, 0.09, 0.075, fill=P["pupil"]))
        out.append(circle(ex + 0.065, 0.13, 0.025, fill=P["white"]))
    # A smile: lower in its middle on screen.
    out.append(
        f'<path d="M{pt(-0.2, -0.16)} Q{pt(0.02, -0.36)} {pt(0.22, -0.14)}" fill="none" '
        f'stroke="{P["pupil"]}" stroke-width="0.05" stroke-linecap="round"/>'
    )
    return out


def bomb_face(belly, rim):
    r = 0.62 * belly
    out = [circle(0, 0, 0.8 * belly, fill=P["boneShade"], extra='opacity="0.35"')]
    # A round bomb with its fuse and spark, dark on the white gear.
    out.append(circle(0, -0.06 * belly, r, fill=P["soot"], stroke=P["ink"], width=rim))
    out.append(circle(-0.22 * belly, 0.12 * belly, 0.14 * belly, fill=P["smoke"]))
    cap = [(-0.12 * belly, 0.5 * belly), (0.12 * belly, 0.5 * belly),
           (0.12 * belly, 0.64 * belly), (-0.12 * belly, 0.64 * belly)]
    out.append(polygon(cap, P["steelDark"], P["ink"], rim * 0.6))
    out.append(
        f'<path d="M{pt(0, 0.64 * belly)} Q{pt(0.1 * belly, 0.86 * belly)} {pt(0.3 * belly, 0.8 * belly)}" '
        f'fill="none" stroke="{P["woodDark"]}" stroke-width="{fmt(0.05 * belly)}" stroke-linecap="round"/>'
    )
    out.append(star(0.32 * belly, 0.8 * belly, 0.14 * belly, 0.05 * belly, 8, P["hazard"], P["ember"], rim * 0.4))
    return out


def teleporter_face(name, belly, rim):
    out = []
    inner = 0.56 * belly
    # A glowing well in the ring's hole, with three arrows: out of it for the sender, into it
    # for the receiver.
    out.append(circle(0, 0, inner, fill=P["tealDark"], extra='opacity="0.9"'))
    for k, f in enumerate((0.9, 0.62, 0.34)):
        out.append(circle(0, 0, inner * f, stroke=P["teal"], width=rim * (1.2 - 0.3 * k),
                          extra=f'opacity="{0.5 + 0.2 * k}"'))
    out.append(circle(0, 0, inner * 0.16, fill=P["tealLight"]))
    outward = name == "teleporterSend"
    for k in range(3):
        a = math.pi / 2 + k * 2 * math.pi / 3
        base, head = (0.55, 0.95) if outward else (0.95, 0.55)
        tip = polar(inner * head, a)
        side = 0.2 * inner
        back = polar(inner * (head - (0.2 if outward else -0.2)), a)
        n = (-math.sin(a) * side, math.cos(a) * side)
        out.append(
            f'<line x1="{fmt(polar(inner * base, a)[0])}" y1="{fmt(polar(inner * base, a)[1])}" '
            f'x2="{fmt(back[0])}" y2="{fmt(back[1])}" stroke="{P["tealLight"]}" '
            f'stroke-width="{fmt(0.06 * inner)}" stroke-linecap="round"/>'
        )
        out.append(polygon([tip, (back[0] + n[0], back[1] + n[1]), (back[0] - n[0], back[1] - n[1])],
                           P["tealLight"]))
    # The receiver has a second ring of bolts, so the two differ by more than their arrows.
    if not outward:
        for k in range(12):
            out.append(circle(*polar(0.68 * belly, k * math.pi / 6), 0.035 * belly, fill=P["tealDark"]))
    return out


def star(cx, cy, outer, inner, points, fill, stroke, width, rotate=math.pi / 2):
    pts = []
    for k in range(2 * points):
        r = outer if k % 2 == 0 else inner
        pts.append((cx + r * math.cos(rotate + k * math.pi / points),
                    cy + r * math.sin(rotate + k * math.pi / points)))
    return polygon(pts, fill, stroke, width)


# ---------------------------------------------------------------------------------------------
# Boxes, platforms and pickups: drawn in -1..1 and stretched by the level's scale.


def plate(light, base, dark, inset=0.1):
    defs = linear("face", [(0, light), (0.5, base), (1, dark)], 0, 1, 0, 0)
    body = [
        f'<rect x="-1" y="-1" width="2" height="2" rx="0.08" fill="{P[dark]}"/>',
        f'<rect x="{-1 + inset}" y="{-1 + inset}" width="{2 - 2 * inset}" height="{2 - 2 * inset}" '
        f'rx="0.05" fill="url(#face)"/>',
    ]
    return defs, body


def box_picture():
    """The plain platform: a flat steel slab that stretches to any width."""
    body = [
        f'<rect x="-1" y="-1" width="2" height="2" fill="{P["steelDark"]}"/>',
        f'<rect x="-0.97" y="-0.9" width="1.94" height="1.8" fill="{P["steel"]}"/>',
        f'<rect x="-0.97" y="0.72" width="1.94" height="0.18" fill="{P["steelLight"]}"/>',
        f'<rect x="-0.97" y="-0.9" width="1.94" height="0.12" fill="{P["steelDark"]}" opacity="0.6"/>',
    ]
    return svg(256, 256, (-1, -1, 2, 2), "\n".join(body))


def platform_picture():
    """A girder for long platforms (made for a scale of about 4 by 1)."""
    body = [
        f'<rect x="-4" y="-1" width="8" height="2" fill="{P["copperDark"]}"/>',
        f'<rect x="-3.96" y="0.6" width="7.92" height="0.36" fill="{P["copper"]}"/>',
        f'<rect x="-3.96" y="0.82" width="7.92" height="0.12" fill="{P["copperLight"]}"/>',
        f'<rect x="-3.96" y="-0.96" width="7.92" height="0.36" fill="{P["copper"]}"/>',
    ]
    zig = []
    for k in range(9):
        x = -3.8 + k * 0.95
        zig.append(pt(x, 0.6 if k % 2 == 0 else -0.6))
    body.append(
        f'<polyline points="{" ".join(zig)}" fill="none" stroke="{P["copper"]}" stroke-width="0.22" '
        f'stroke-linejoin="round"/>'
    )
    for k in range(17):
        x = -3.75 + k * 7.5 / 16
        body.append(circle(x, 0.72, 0.05, fill=P["copperDark"]))
        body.append(circle(x, -0.78, 0.05, fill=P["copperDark"]))
    return svg(1024, 256, (-4, -1, 8, 2), "\n".join(body))


def wood_box_picture():
    """A crate: planks and an X brace."""
    body = [f'<rect x="-1" y="-1" width="2" height="2" rx="0.06" fill="{P["woodDark"]}"/>']
    for k in range(4):
        y = -0.84 + k * 0.42
        body.append(f'<rect x="-0.84" y="{fmt(y)}" width="1.68" height="0.38" fill="{P["wood"]}"/>')
        body.append(f'<rect x="-0.84" y="{fmt(y + 0.3)}" width="1.68" height="0.06" fill="{P["woodLight"]}" opacity="0.6"/>')
    for d in ((-0.82, -0.82, 0.82, 0.82), (-0.82, 0.82, 0.82, -0.82)):
        body.append(
            f'<line x1="{d[0]}" y1="{d[1]}" x2="{d[2]}" y2="{d[3]}" stroke="{P["woodDark"]}" '
            f'stroke-width="0.3" stroke-linecap="square"/>'
        )
        body.append(
            f'<line x1="{d[0]}" y1="{d[1]}" x2="{d[2]}" y2="{d[3]}" stroke="{P["woodLight"]}" '
            f'stroke-width="0.18" stroke-linecap="square"/>'
        )
    body.append(f'<rect x="-0.92" y="-0.92" width="1.84" height="1.84" rx="0.04" fill="none" '
                f'stroke="{P["woodLight"]}" stroke-width="0.16"/>')
    for cx in (-0.9, 0.9):
        for cy in (-0.9, 0.9):
            body.append(circle(cx, cy, 0.06, fill=P["steelDark"]))
    return svg(256, 256, (-1, -1, 2, 2), "\n".join(body))


def metal_box_picture():
    """A riveted steel box with a ribbed panel."""
    defs, body = plate("steelLight", "steel", "steelDark", 0.1)
    body.append(f'<rect x="-0.62" y="-0.62" width="1.24" height="1.24" rx="0.06" fill="{P["steelDark"]}"/>')
    for k in range(5):
        y = -0.5 + k * 0.25
        body.append(f'<rect x="-0.54" y="{fmt(y - 0.07)}" width="1.08" height="0.12" rx="0.05" fill="{P["steel"]}"/>')
        body.append(f'<rect x="-0.54" y="{fmt(y + 0.01)}" width="1.08" height="0.04" fill="{P["steelLight"]}" opacity="0.7"/>')
    for cx in (-0.78, -0.26, 0.26, 0.78):
        for cy in (-0.78, 0.78):
            body.append(circle(cx, cy, 0.07, fill=P["steelLight"], stroke=P["steelDark"], width=0.03))
    for cy in (-0.26, 0.26):
        for cx in (-0.78, 0.78):
            body.append(circle(cx, cy, 0.07, fill=P["steelLight"], stroke=P["steelDark"], width=0.03))
    return svg(256, 256, (-1, -1, 2, 2), "\n".join(body), defs)


def explosive_box_picture():
    """Hazard stripes round a warning triangle with a burst in it."""
    defs = '<clipPath id="frame"><rect x="-1" y="-1" width="2" height="2" rx="0.06"/></clipPath>'
    body = [f'<g clip-path="url(#frame)"><rect x="-1" y="-1" width="2" height="2" fill="{P["ink"]}"/>']
    for k in range(-6, 7):
        x = k * 0.36
        body.append(polygon([(x, -1.2), (x + 0.18, -1.2), (x + 0.18 + 2.4, 1.2), (x + 2.4, 1.2)], P["hazard"]))
    body.append("</g>")
    body.append(f'<rect x="-0.74" y="-0.74" width="1.48" height="1.48" rx="0.05" fill="{P["ember"]}" '
                f'stroke="{P["emberDark"]}" stroke-width="0.06"/>')
    tri = [(0, 0.6), (0.6, -0.5), (-0.6, -0.5)]
    body.append(polygon(tri, P["hazard"], P["ink"], 0.07))
    body.append(star(0, -0.12, 0.3, 0.13, 7, P["ember"], P["ink"], 0.03))
    body.append(circle(0, -0.12, 0.08, fill=P["hazard"]))
    return svg(256, 256, (-1, -1, 2, 2), "\n".join(body), defs)


def boost_picture():
    """The boost pickup: a hexagonal nut holding a lightning bolt."""
    defs = radial("glow", [(0, "boltLight"), (0.6, "bolt"), (1, "boltDark")], 0, 0, 1.4)
    hexagon = [polar(0.96, math.pi / 6 + k * math.pi / 3) for k in range(6)]
    inner = [polar(0.74, math.pi / 6 + k * math.pi / 3) for k in range(6)]
    bolt = [(0.12, 0.62), (-0.34, -0.06), (-0.04, -0.06), (-0.16, -0.62), (0.34, 0.1), (0.04, 0.1)]
    body = [
        polygon(hexagon, P["brass"], P["brassDark"], 0.06),
        polygon(inner, "url(#glow)", P["brassDark"], 0.04),
        polygon(bolt, P["white"], P["boltDark"], 0.05),
    ]
    return svg(256, 256, (-1, -1, 2, 2), "\n".join(body), defs)


def win_bear_picture(blink=False):
    """The goal: a brass bear's head; blinking, its eyes are closed arcs."""
    defs = radial("fur", [(0, "brassLight"), (0.6, "brass"), (1, "brassDark")])
    body = []
    for ex in (-0.58, 0.58):
        body.append(circle(ex, 0.55, 0.28, fill="url(#fur)", stroke=P["brassDark"], width=0.05))
        body.append(circle(ex, 0.55, 0.14, fill=P["copper"]))
    body.append(circle(0, 0.05, 0.78, fill="url(#fur)", stroke=P["brassDark"], width=0.05))
    body.append(f'<ellipse cx="0" cy="-0.22" rx="0.36" ry="0.28" fill="{P["bone"]}" stroke="{P["brassDark"]}" stroke-width="0.03"/>')
    body.append(f'<ellipse cx="0" cy="-0.1" rx="0.13" ry="0.09" fill="{P["pupil"]}"/>')
    body.append(f'<path d="M{pt(0, -0.19)} L{pt(0, -0.3)} M{pt(-0.13, -0.33)} Q{pt(0, -0.42)} {pt(0.13, -0.33)}" '
                f'fill="none" stroke="{P["pupil"]}" stroke-width="0.04" stroke-linecap="round"/>')
    for ex in (-0.3, 0.3):
        if blink:
            body.append(f'<path d="M{pt(ex - 0.1, 0.22)} Q{pt(ex, 0.15)} {pt(ex + 0.1, 0.22)}" '
                        f'fill="none" stroke="{P["pupil"]}" stroke-width="0.05" stroke-linecap="round"/>')
        else:
            body.append(circle(ex, 0.22, 0.09, fill=P["pupil"]))
            body.append(circle(ex + 0.03, 0.25, 0.03, fill=P["white"]))
    return svg(384, 384, (-1, -1, 2, 2), "\n".join(body), defs)


# ---------------------------------------------------------------------------------------------
# Screens


def scattered_gears(seed, count, colour, box):
    """Faint gear silhouettes for a backdrop, placed by a fixed pseudo-random sequence."""
    x0, y0, w, h = box
    state = seed
    out = []

    def rnd():
        nonlocal state
        state = (state * 1103515245 + 12345) % 2147483648
        return state / 2147483648

    for _ in range(count):
        r = h * (0.08 + 0.22 * rnd())
        cx, cy = x0 + w * rnd(), y0 + h * rnd()
        teeth = 8 + int(r / h * 60)
        d = gear_outline(r, r * 0.86, teeth, 0.17, 0.3, rnd()) + circle_path(0, 0, r * 0.45, True)
        out.append(f'<path transform="translate({fmt(cx)},{fmt(cy)})" d="{d}" fill="{colour}" '
                   f'fill-rule="evenodd" opacity="{fmt(0.05 + 0.1 * rnd())}"/>')
    return out


def background_picture(variant):
    box = (-16, -9, 32, 18)
    top, bottom, tint = (("smoke", "ink", P["copper"]) if variant == 1 else ("steelDark", "ink", P["steel"]))
    defs = linear("sky", [(0, bottom), (1, top)], 0, 0, 0, 1)
    defs += vignette(0.75)
    body = [f'<rect x="-16" y="-9" width="32" height="18" fill="url(#sky)"/>']
    body += scattered_gears(7 if variant == 1 else 31, 14, tint, box)
    if variant == 2:
        for k in range(5):
            y = -7 + k * 3.4
            body.append(f'<rect x="-16" y="{fmt(y)}" width="32" height="0.35" fill="{P["steel"]}" opacity="0.08"/>')
    body.append(f'<rect x="-16" y="-9" width="32" height="18" fill="url(#vignette)"/>')
    return svg(1920, 1080, box, "\n".join(body), defs)


# The backdrops of set 3, set 4 and the secret bear levels: full-view pictures like the first
# two, each with its own light. Their detail stays faint and dark so that the gears in front
# read first.


def sequence(seed):
    """A fixed pseudo-random sequence in 0..1: a picture comes out the same on every build."""
    state = seed

    def rnd():
        nonlocal state
        state = (state * 1103515245 + 12345) % 2147483648
        return state / 2147483648

    return rnd


def blur(fid, deviation):
    return (f'<filter id="{fid}" x="-50%" y="-50%" width="200%" height="200%">'
            f'<feGaussianBlur stdDeviation="{fmt(deviation)}"/></filter>')


def fading(gid, colour, opacity=1.0):
    """A radial fade from colour at the centre of a shape to transparent at its edge."""
    return (f'<radialGradient id="{gid}" cx="0.5" cy="0.5" r="0.5">'
            f'<stop offset="0" stop-color="{P[colour]}" stop-opacity="{fmt(opacity)}"/>'
            f'<stop offset="1" stop-color="{P[colour]}" stop-opacity="0"/></radialGradient>')


def vignette(strength=0.75):
    return ('<radialGradient id="vignette" cx="0.5" cy="0.5" r="0.7">'
            f'<stop offset="0.5" stop-color="{P["black"]}" stop-opacity="0"/>'
            f'<stop offset="1" stop-color="{P["black"]}" stop-opacity="{fmt(strength)}"/></radialGradient>')


def rect(x, y, w, h, fill, extra=""):
    return (f'<rect x="{fmt(x)}" y="{fmt(y)}" width="{fmt(w)}" height="{fmt(h)}" fill="{fill}" '
            f'{extra}/>')


def truss(x0, x1, bottom, top, bays, colour, width):
    """A roof truss: two chords and the zigzag between them."""
    zig = [pt(x0 + (x1 - x0) * k / bays, bottom if k % 2 == 0 else top) for k in range(bays + 1)]
    return (f'<g stroke="{colour}" stroke-width="{fmt(width)}" fill="none" stroke-linejoin="round">'
            f'<line x1="{fmt(x0)}" y1="{fmt(top)}" x2="{fmt(x1)}" y2="{fmt(top)}"/>'
            f'<line x1="{fmt(x0)}" y1="{fmt(bottom)}" x2="{fmt(x1)}" y2="{fmt(bottom)}"/>'
            f'<polyline points="{" ".join(zig)}"/></g>')


def chain(x, top, bottom, colour):
    """A hanging chain of long links ending in a hook."""
    return "\n".join([
        f'<line x1="{fmt(x)}" y1="{fmt(top)}" x2="{fmt(x)}" y2="{fmt(bottom)}" stroke="{colour}" '
        f'stroke-width="0.16" stroke-dasharray="0.34 0.12"/>',
        f'<path d="M{pt(x, bottom)} L{pt(x, bottom - 0.4)} A0.35,0.35 0 1 0 {pt(x - 0.6, bottom - 0.5)}" '
        f'fill="none" stroke="{colour}" stroke-width="0.16" stroke-linecap="round"/>',
    ])


def foundry_backdrop_picture():
    """Set 3, bombs and boxes: a smoky foundry hall, lit from below left by its furnace, with
    sparks rising and faint gears on the back wall."""
    x0, y0, w, h = FULL_VIEW
    rnd = sequence(113)
    defs = linear("sky", [(0, "copperDark"), (0.4, "soot"), (1, "night")], 0, 0, 0, 1)
    defs += fading("furnaceGlow", "ember", 0.55) + fading("windowGlow", "copper", 0.22)
    defs += blur("haze", 0.7) + blur("soft", 0.25) + vignette(0.8)
    shade = P["ink"]
    body = [rect(x0, y0, w, h, "url(#sky)")]
    # Tall arched windows in the back wall, glowing faintly with the hall's own light.
    for cx in (-4.5, 4.0, 12.5):
        # Arcs sweep the other way round on a y-up picture: sweep 0 bends up.
        arch = (f"M{pt(cx - 1.6, -2.5)} L{pt(cx - 1.6, 4.4)} A1.6,1.6 0 0 0 {pt(cx + 1.6, 4.4)} "
                f"L{pt(cx + 1.6, -2.5)} Z")
        body.append(f'<path d="{arch}" fill="url(#windowGlow)"/>')
        body.append(f'<path d="{arch}" fill="none" stroke="{shade}" stroke-width="0.18" opacity="0.6"/>')
        for k in range(1, 4):
            body.append(rect(cx - 1.6, -2.5 + k * 1.9, 3.2, 0.1, shade, 'opacity="0.35"'))
        body.append(rect(cx - 0.05, -2.5, 0.1, 8.5, shade, 'opacity="0.35"'))
    body += scattered_gears(29, 8, P["copper"], (x0, y0 + 3, w, h - 3))
    # The furnace: a squat kiln at the lower left with its chimney up through the roof.
    body.append(f'<ellipse cx="-11" cy="-6.4" rx="6" ry="4.6" fill="url(#furnaceGlow)"/>')
    kiln = (f"M{pt(-16, -9)} L{pt(-16, -3.6)} Q{pt(-12.6, -1.6)} {pt(-8.4, -3.6)} L{pt(-8.4, -9)} Z")
    body.append(f'<path d="{kiln}" fill="{shade}" opacity="0.75"/>')
    body.append(rect(-13.2, -3.2, 1.5, 12.5, shade, 'opacity="0.7"'))
    body.append(rect(-13.45, -3.0, 2.0, 0.4, shade, 'opacity="0.7"'))
    mouth = f"M{pt(-13.6, -8.2)} L{pt(-13.6, -6.5)} A1.4,1.4 0 0 0 {pt(-10.8, -6.5)} L{pt(-10.8, -8.2)} Z"
    body.append(f'<path d="{mouth}" fill="{P["ember"]}" opacity="0.42" filter="url(#soft)"/>')
    body.append(f'<path d="{mouth}" fill="{P["hazard"]}" opacity="0.18" transform="translate(0,-0.2)"/>')
    # The roof truss and the chains hanging from it, one with a crucible.
    body.append(truss(x0, x0 + w, 7.4, 8.7, 16, shade, 0.22))
    body.append(rect(x0, 8.7, w, 0.3, shade))
    for x, bottom in ((-6.5, 4.6), (8.0, 3.2), (14.4, 5.4)):
        body.append(chain(x, 7.4, bottom, P["night"]))
    crucible = [(6.9, 2.4), (9.1, 2.4), (8.7, 0.6), (7.3, 0.6)]
    body.append(polygon(crucible, P["night"], shade, 0.12, 'opacity="0.9"'))
    body.append(rect(6.75, 2.3, 2.5, 0.25, P["night"]))
    body.append(f'<path d="M{pt(7.0, 2.55)} Q{pt(8.0, 3.6)} {pt(9.0, 2.55)}" fill="none" '
                f'stroke="{P["night"]}" stroke-width="0.14"/>')
    body.append(f'<ellipse cx="8" cy="2.7" rx="1.3" ry="0.35" fill="{P["ember"]}" opacity="0.35" '
                f'filter="url(#soft)"/>')
    # Smoke drifting up from the furnace and along the roof, blurred as one layer.
    body.append('<g filter="url(#haze)">')
    for cx, cy, rx, ry, o in ((-12.4, 9.2, 3.6, 1.4, 0.5), (-7.0, 6.3, 6.0, 1.1, 0.35),
                              (2.0, 7.0, 8.0, 1.0, 0.3), (11.0, 6.0, 6.0, 1.3, 0.3),
                              (-2.0, -1.0, 9.0, 0.9, 0.18), (9.0, -4.0, 8.0, 1.0, 0.16)):
        body.append(f'<ellipse cx="{fmt(cx)}" cy="{fmt(cy)}" rx="{fmt(rx)}" ry="{fmt(ry)}" '
                    f'fill="{P["smoke"]}" opacity="{fmt(o)}"/>')
    body.append("</g>")
    # Sparks rising from the furnace and drifting right.
    for _ in range(34):
        t = rnd()
        x = -12 + 22 * t * t + 2.5 * (rnd() - 0.5)
        y = -6 + 13 * t + 2.0 * (rnd() - 0.5)
        colour = P["hazard"] if rnd() < 0.4 else P["ember"]
        body.append(circle(x, y, 0.04 + 0.07 * rnd(), fill=colour,
                           extra=f'opacity="{fmt((0.7 - 0.5 * t) * (0.5 + 0.5 * rnd()))}"'))
    # The floor, and the vignette.
    body.append(rect(x0, y0, w, 0.9, shade, 'opacity="0.8"'))
    body.append(rect(x0, y0 + 0.9, w, 0.08, P["copperDark"], 'opacity="0.6"'))
    body.append(rect(x0, y0, w, h, "url(#vignette)"))
    return svg(1920, 1080, FULL_VIEW, "\n".join(body), defs)


def gear_shape(cx, cy, r, teeth, phase=0.0, hole=0.4):
    """A plain gear silhouette's path with its hub hole, for skylines."""
    d = gear_outline(r, r * 0.86, teeth, 0.17, 0.3, phase) + circle_path(0, 0, r * hole, True)
    return f'<path transform="translate({fmt(cx)},{fmt(cy)})" d="{d}" fill-rule="evenodd"/>'


def lattice_tower(x, base, top, foot, head, storeys, width):
    """A tapering tower of girders: two legs and a cross brace in every storey."""
    out = []

    def half(y):
        return foot + (head - foot) * (y - base) / (top - base)

    out.append(polygon([(x - foot, base), (x - foot + width, base), (x - head + width, top),
                        (x - head, top)], "inherit"))
    out.append(polygon([(x + foot, base), (x + foot - width, base), (x + head - width, top),
                        (x + head, top)], "inherit"))
    step = (top - base) / storeys
    for k in range(storeys):
        y, z = base + k * step, base + (k + 1) * step
        out.append(f'<path d="M{pt(x - half(y), y)} L{pt(x + half(z), z)} M{pt(x + half(y), y)} '
                   f'L{pt(x - half(z), z)} M{pt(x - half(z), z)} L{pt(x + half(z), z)}" fill="none" '
                   f'stroke="currentColor" stroke-width="{fmt(width * 0.6)}"/>')
    return out


def dusk_backdrop_picture():
    """Set 4, the long climb: a dusk sky over far machinery, with a tall tower to climb."""
    x0, y0, w, h = FULL_VIEW
    rnd = sequence(211)
    defs = linear("sky", [(0, "copperDark"), (0.28, "duskHaze"), (0.6, "dusk"), (1, "midnight")],
                  0, 0, 0, 1)
    defs += fading("sun", "copper", 0.45) + blur("haze", 0.5) + vignette(0.7)
    body = [rect(x0, y0, w, h, "url(#sky)")]
    # The first stars, over the top of the sky only.
    for _ in range(46):
        t = rnd()
        x, y = x0 + w * rnd(), 9 - 9 * t * t
        body.append(circle(x, y, 0.025 + 0.045 * rnd(), fill=P["bone"],
                           extra=f'opacity="{fmt((0.55 - 0.5 * t) * (0.4 + 0.6 * rnd()))}"'))
    # The sun gone down behind the works, and long clouds in its last light.
    body.append(f'<ellipse cx="4" cy="-5" rx="11" ry="5" fill="url(#sun)"/>')
    for x, y, length, thick, colour, o in ((-14, 1.3, 13, 0.5, "duskHaze", 0.4), (-3, 2.9, 15, 0.42, "duskHaze", 0.35),
                                           (-9, -0.8, 16, 0.34, "copper", 0.13), (6, 0.2, 9, 0.3, "copper", 0.12),
                                           (-15, 4.5, 10, 0.4, "dusk", 0.55), (7, 5.2, 7, 0.32, "dusk", 0.45)):
        body.append(f'<rect x="{fmt(x)}" y="{fmt(y)}" width="{fmt(length)}" height="{fmt(thick)}" '
                    f'rx="{fmt(thick / 2)}" fill="{P[colour]}" opacity="{fmt(o)}"/>')
    # Far works against the glow: a crane, a great wheel, sawtooth sheds with stacks, the tall
    # tower with a gear at its top, a gas holder. One colour, so that overlaps do not show.
    far = [rect(x0, y0, w, 4.4, "inherit")]
    far.append(rect(-14.9, -4.6, 0.5, 5.4, "inherit"))
    far.append(polygon([(-15.8, 0.6), (-9.2, 0.6), (-9.2, 0.85), (-15.8, 1.05)], "inherit"))
    far.append(f'<line x1="-14.65" y1="1.6" x2="-9.4" y2="0.85" stroke="currentColor" stroke-width="0.08"/>')
    far.append(f'<line x1="-10" y1="0.6" x2="-10" y2="-1.6" stroke="currentColor" stroke-width="0.06"/>')
    far.append(rect(-10.4, -2.0, 0.8, 0.45, "inherit"))
    far.append(gear_shape(-7.6, -4.4, 3.5, 26, 0.05, 0.3))
    far.append(gear_shape(-3.4, -3.6, 1.4, 11, 0.2, 0.35))
    sheds = [(-2.0, -4.6)]
    for k in range(5):
        sheds += [(-2.0 + k * 1.6, -3.4), (-2.0 + (k + 1) * 1.6, -2.6), (-2.0 + (k + 1) * 1.6, -3.4)]
    sheds += [(6.0, -4.6)]
    far.append(polygon(sheds, "inherit"))
    for x, top in ((0.6, -0.9), (3.1, -0.2), (4.3, -1.4)):
        far.append(rect(x - 0.25, -3.4, 0.5, top + 3.4, "inherit"))
        far.append(rect(x - 0.34, top - 0.2, 0.68, 0.24, "inherit"))
    far += lattice_tower(9.6, -4.6, 5.6, 1.3, 0.45, 9, 0.14)
    far.append(gear_shape(9.6, 6.3, 1.05, 10, 0.15, 0.35))
    far.append(f'<path d="M{pt(12.4, -4.6)} L{pt(12.4, -2.4)} Q{pt(14.2, -1.2)} {pt(16, -2.4)} '
               f'L{pt(16, -4.6)} Z"/>')
    body.append(f'<g fill="{P["dusk"]}" color="{P["dusk"]}" opacity="0.95">' + "\n".join(far) + "</g>")
    # Smoke from the stacks, drifting right.
    body.append('<g filter="url(#haze)">')
    for x, top in ((0.6, -0.9), (3.1, -0.2), (4.3, -1.4)):
        for k in range(3):
            body.append(circle(x + 0.7 + k * 1.1, top + 0.5 + k * 0.45, 0.35 + 0.25 * k,
                               fill=P["duskHaze"], extra=f'opacity="{fmt(0.35 - 0.09 * k)}"'))
    body.append("</g>")
    # The near ground, darker: a pipe run and gears half buried.
    near = [f'<path d="M{pt(x0, -7.2)} Q{pt(-8, -6.3)} {pt(-1, -7.0)} T{pt(16, -6.6)} L{pt(16, -9)} '
            f'L{pt(x0, -9)} Z"/>',
            gear_shape(-11.5, -7.4, 2.0, 16, 0.1),
            gear_shape(6.5, -7.6, 2.4, 18, 0.3),
            gear_shape(9.4, -6.9, 1.1, 9, 0.0),
            rect(-16, -6.2, 9.6, 0.3, "inherit"),
            rect(-6.6, -6.2, 0.3, 0.6, "inherit"),
            rect(-6.6, -5.9, 10.0, 0.3, "inherit")]
    body.append(f'<g fill="{P["ink"]}" opacity="0.9">' + "\n".join(near) + "</g>")
    body.append(rect(x0, y0, w, h, "url(#vignette)"))
    return svg(1920, 1080, FULL_VIEW, "\n".join(body), defs)


# The bear constellation: a head of stars with two ears, two eyes and a nose, as points in
# world units from its centre.
BEAR_STARS = {
    "head": [(-1.9, 0.2), (-1.5, 1.3), (-0.5, 1.9), (0.7, 1.85), (1.6, 1.2), (2.0, 0.0),
             (1.5, -1.1), (0.3, -1.7), (-1.0, -1.4)],
    "ears": [[(-1.5, 1.3), (-2.2, 1.9), (-2.1, 2.7), (-1.3, 2.9), (-0.5, 1.9)],
             [(0.7, 1.85), (1.3, 2.85), (2.1, 2.75), (2.3, 1.95), (1.6, 1.2)]],
    "face": [(-0.65, 0.45), (0.75, 0.45), (0.05, -0.5)],
}


def bear_night_backdrop_picture():
    """The secret bear levels: a playful night, a honey moon with a bite taken out of it, a
    bear among the stars, fireflies over the hills and a beehive."""
    x0, y0, w, h = FULL_VIEW
    rnd = sequence(307)
    defs = linear("sky", [(0, "honeyDark"), (0.38, "midnight"), (1, "night")], 0, 0, 0, 1)
    defs += fading("moonGlow", "honey", 0.22) + fading("firefly", "honey", 0.7) + vignette(0.7)
    moon_x, moon_y, moon_r = 10.6, 5.0, 2.0
    bites = "".join(circle(*polar(2.15 * moon_r / 2, a), r, fill=P["black"],
                           extra=f'transform="translate({fmt(moon_x)},{fmt(moon_y)})"')
                    for a, r in ((-0.3, 0.5), (0.15, 0.58), (0.6, 0.5)))
    defs += (f'<mask id="bitten" maskUnits="userSpaceOnUse" x="{fmt(x0)}" y="{fmt(y0)}" width="{fmt(w)}" '
             f'height="{fmt(h)}">{circle(moon_x, moon_y, moon_r, fill=P["white"])}{bites}</mask>')
    body = [rect(x0, y0, w, h, "url(#sky)")]
    # Small stars everywhere above the hills, a few larger five-pointed ones, some gold.
    for _ in range(70):
        x, y = x0 + w * rnd(), -2.5 + 11.5 * rnd()
        colour = P["goldLight"] if rnd() < 0.3 else P["bone"]
        body.append(circle(x, y, 0.025 + 0.04 * rnd(), fill=colour, extra=f'opacity="{fmt(0.2 + 0.4 * rnd())}"'))
    for x, y, r, colour in ((-3.2, 6.8, 0.28, "goldLight"), (3.4, 7.6, 0.22, "bone"), (5.6, 2.8, 0.3, "goldLight"),
                            (-13.6, 7.4, 0.22, "goldLight"), (14.2, 1.6, 0.24, "bone"), (-1.0, 3.2, 0.18, "bone"),
                            (-14.4, 0.6, 0.2, "bone"), (0.8, 5.6, 0.2, "goldLight")):
        body.append(star(x, y, r, r * 0.45, 5, P[colour], None, 0, math.pi / 2 + 0.3 * rnd())
                    .replace("/>", f' opacity="{fmt(0.35 + 0.2 * rnd())}"/>'))
    # The bear among the stars, up on the left.
    bx, by = -8.6, 4.4

    def at(points):
        return [(bx + x, by + y) for x, y in points]

    lines = [polygon(at(BEAR_STARS["head"]), "none", P["bone"], 0.05)]
    lines += [f'<polyline points="{" ".join(pt(*p) for p in at(ear))}" fill="none" stroke="{P["bone"]}" '
              f'stroke-width="0.05"/>' for ear in BEAR_STARS["ears"]]
    body.append('<g opacity="0.16">' + "".join(lines) + "</g>")
    points = at(BEAR_STARS["head"]) + [p for ear in BEAR_STARS["ears"] for p in at(ear[1:-1])]
    for x, y in points:
        body.append(circle(x, y, 0.09, fill=P["goldLight"], extra='opacity="0.55"'))
    for x, y in at(BEAR_STARS["face"]):
        body.append(star(x, y, 0.2, 0.08, 4, P["goldLight"], None, 0).replace("/>", ' opacity="0.5"/>'))
    # The honey moon.
    body.append(circle(moon_x, moon_y, moon_r * 2.6, fill="url(#moonGlow)"))
    body.append(f'<g mask="url(#bitten)" opacity="0.5">'
                + circle(moon_x, moon_y, moon_r, fill=P["honey"])
                + circle(moon_x - 0.7, moon_y + 0.5, 0.45, fill=P["brass"], extra='opacity="0.6"')
                + circle(moon_x - 0.2, moon_y - 0.9, 0.3, fill=P["brass"], extra='opacity="0.6"')
                + circle(moon_x + 0.6, moon_y - 0.1, 0.22, fill=P["brass"], extra='opacity="0.6"')
                + "</g>")
    # Far hills, with honeycomb faintly on them, then the near hills.
    far = (f"M{pt(x0, -4.8)} C{pt(-11, -3.2)} {pt(-6, -3.4)} {pt(-2, -5.0)} S{pt(7, -3.0)} {pt(11, -4.2)} "
           f"S{pt(15, -4.6)} {pt(16, -4.0)} L{pt(16, -9)} L{pt(x0, -9)} Z")
    defs += f'<clipPath id="farHills"><path d="{far}"/></clipPath>'
    body.append(f'<path d="{far}" fill="{P["midnight"]}" opacity="0.9"/>')
    cells = []
    for i in range(-20, 22):
        for j in range(0, 8):
            cx, cy = i * 0.78 + (0.39 if j % 2 else 0), -8.8 + j * 0.675
            cells.append(polygon([polar(0.4, math.pi / 6 + k * math.pi / 3) for k in range(6)], "none")
                         .replace("points=\"", f'transform="translate({fmt(cx)},{fmt(cy)})" points="'))
    body.append(f'<g clip-path="url(#farHills)" stroke="{P["honey"]}" stroke-width="0.05" opacity="0.06">'
                + "".join(cells) + "</g>")
    near = (f"M{pt(x0, -6.6)} C{pt(-10, -5.6)} {pt(-5, -7.6)} {pt(1, -6.9)} S{pt(10, -5.8)} {pt(16, -6.9)} "
            f"L{pt(16, -9)} L{pt(x0, -9)} Z")
    hill = [f'<path d="{near}"/>']
    # Round trees and, on the right, a beehive on its post.
    for x, y, r in ((-12.4, -5.3, 0.9), (-11.2, -5.6, 0.65), (-3.4, -6.5, 0.7)):
        hill.append(circle(x, y, r, fill="inherit"))
        hill.append(rect(x - 0.08, y - r - 0.8, 0.16, 1.0, "inherit"))
    hive_x, hive_y = 12.0, -5.0
    hill.append(rect(hive_x - 0.12, hive_y - 1.6, 0.24, 1.7, "inherit"))
    hill.append(rect(hive_x - 1.1, hive_y - 0.12, 2.2, 0.22, "inherit"))
    hill.append(f'<path d="M{pt(hive_x - 0.95, hive_y)} C{pt(hive_x - 1.1, hive_y + 1.1)} '
                f'{pt(hive_x - 0.5, hive_y + 1.75)} {pt(hive_x, hive_y + 1.75)} '
                f'C{pt(hive_x + 0.5, hive_y + 1.75)} {pt(hive_x + 1.1, hive_y + 1.1)} {pt(hive_x + 0.95, hive_y)} Z"/>')
    body.append(f'<g fill="{P["ink"]}" opacity="0.92">' + "".join(hill) + "</g>")
    # The hive's coils and its door, in the honey's dark.
    for k, half in enumerate((0.98, 0.9, 0.72, 0.42)):
        y = hive_y + 0.36 + k * 0.36
        body.append(f'<line x1="{fmt(hive_x - half)}" y1="{fmt(y)}" x2="{fmt(hive_x + half)}" y2="{fmt(y)}" '
                    f'stroke="{P["honeyDark"]}" stroke-width="0.06" opacity="0.8"/>')
    body.append(f'<path d="M{pt(hive_x - 0.2, hive_y + 0.1)} L{pt(hive_x - 0.2, hive_y + 0.25)} '
                f'A0.2,0.2 0 0 0 {pt(hive_x + 0.2, hive_y + 0.25)} L{pt(hive_x + 0.2, hive_y + 0.1)} Z" '
                f'fill="{P["honeyDark"]}"/>')
    # Fireflies over the hills.
    for _ in range(14):
        x, y = x0 + 1 + (w - 2) * rnd(), -6.2 + 3.6 * rnd()
        body.append(circle(x, y, 0.35, fill="url(#firefly)", extra=f'opacity="{fmt(0.4 + 0.3 * rnd())}"'))
        body.append(circle(x, y, 0.05, fill=P["goldLight"], extra='opacity="0.7"'))
    body.append(rect(x0, y0, w, h, "url(#vignette)"))
    return svg(1920, 1080, FULL_VIEW, "\n".join(body), defs)


def fade_picture():
    return svg(16, 16, (0, 0, 1, 1), f'<rect x="0" y="0" width="1" height="1" fill="{P["black"]}"/>')


# The gauge frame is made for a scale of (11.525, 3.2): the game draws the three fills 6.6 by 5
# world units, 7.425 apart, centred on the frame.
GAUGE = (11.525, 3.2)


def gauge_picture():
    sx, sy = GAUGE
    defs = linear("metal", [(0, "steelDark"), (0.5, "steel"), (1, "steelDark")], 0, 0, 0, 1)
    body = [
        f'<rect x="{-sx}" y="{-sy}" width="{2 * sx}" height="{2 * sy}" rx="1.2" fill="{P["brassDark"]}"/>',
        f'<rect x="{-sx + 0.25}" y="{-sy + 0.25}" width="{2 * sx - 0.5}" height="{2 * sy - 0.5}" rx="1" fill="url(#metal)"/>',
    ]
    for k in (-1, 0, 1):
        cx = k * 7.425
        body.append(f'<rect x="{fmt(cx - 3.45)}" y="-2.65" width="6.9" height="5.3" rx="0.6" fill="{P["ink"]}" '
                    f'stroke="{P["brass"]}" stroke-width="0.18"/>')
    return svg(1152, 320, (-sx, -sy, 2 * sx, 2 * sy), "\n".join(body), defs)


def gauge_fill_picture():
    defs = linear("charge", [(0, "boltDark"), (0.55, "bolt"), (1, "boltLight")], 0, 0, 0, 1)
    body = [
        f'<rect x="-3.3" y="-2.5" width="6.6" height="5" rx="0.5" fill="url(#charge)"/>',
        f'<rect x="-3.0" y="1.3" width="6.0" height="0.7" rx="0.35" fill="{P["white"]}" opacity="0.45"/>',
    ]
    bolt = [(0.3, 1.8), (-1.0, -0.2), (-0.1, -0.2), (-0.45, -1.8), (1.0, 0.3), (0.1, 0.3)]
    body.append(polygon(bolt, P["white"], P["boltDark"], 0.12, 'opacity="0.85"'))
    return svg(264, 200, (-3.3, -2.5, 6.6, 5), "\n".join(body), defs)


def glow_picture(core, mid, shape="round"):
    """A particle drawn additively: brightness on black, so its black adds nothing."""
    defs = (
        '<radialGradient id="g" cx="0.5" cy="0.5" r="0.5">'
        f'<stop offset="0" stop-color="{P[core]}"/>'
        f'<stop offset="0.35" stop-color="{P[mid]}"/>'
        f'<stop offset="1" stop-color="{P["black"]}"/></radialGradient>'
    )
    body = [f'<rect x="-1" y="-1" width="2" height="2" fill="{P["black"]}"/>']
    if shape == "round":
        body.append(circle(0, 0, 1, fill="url(#g)"))
    elif shape == "spark":
        body.append(circle(0, 0, 0.6, fill="url(#g)"))
        body.append(star(0, 0, 1.0, 0.1, 4, "url(#g)", None, 0, 0))
    else:  # a drop
        body.append(f'<path d="M0,0.95 C0.2,0.5 0.62,0.05 0.62,-0.3 A0.62,0.62 0 0 1 -0.62,-0.3 '
                    f'C-0.62,0.05 -0.2,0.5 0,0.95 Z" fill="url(#g)"/>')
    return svg(64, 64, (-1, -1, 2, 2), "\n".join(body), defs)


def star_picture():
    """A golden star with a transparent surround (drawn with ordinary blending)."""
    defs = radial("s", [(0, "goldLight"), (0.6, "gold"), (1, "goldDark")], 0, 0.2, 1.2)
    return svg(128, 128, (-1, -1, 2, 2), star(0, 0, 0.96, 0.42, 5, "url(#s)", P["goldDark"], 0.06), defs)


def loading_picture(frame):
    box = (-16, -9, 32, 18)
    full, belly, teeth = 3.0, 2.5, 12
    phase = frame * 2 * math.pi / teeth / 3
    defs = radial("b", [(0, "brassLight"), (0.55, "brass"), (1, "brassDark")])
    d = gear_outline(full, belly, teeth, 0.17, 0.3, phase) + circle_path(0, 0, 1.1, True)
    body = [
        f'<rect x="-16" y="-9" width="32" height="18" fill="{P["night"]}"/>',
        f'<path transform="translate(0,1)" d="{d}" fill="url(#b)" fill-rule="evenodd" '
        f'stroke="{P["brassDark"]}" stroke-width="0.1"/>',
        text(0, -4.6, 1.6, "LOADING", P["brassLight"], spacing=0.35),
    ]
    for k in range(3):
        lit = k < frame
        body.append(circle(-1.2 + k * 1.2, -6.4, 0.28, fill=P["brassLight"] if lit else P["smoke"]))
    return svg(1920, 1080, box, "\n".join(body), defs)


# ---------------------------------------------------------------------------------------------
# Menus and screens. A full-view picture is drawn in world units over -16..16 by -9..9 (the
# screens show it at a scale of (16, 9) under a camera 16 above it), 60 pixels a unit.

FULL_VIEW = (-16, -9, 32, 18)
FONT_BOLD = "bold"


def embed(picture, cx, cy, w, h, prefix):
    """Another picture of this script placed into this one, centred on (cx, cy) and w by h:
    its ids are prefixed so that two embedded pictures do not share gradients or clips."""
    import re

    head_end = picture.index(">") + 1
    view = re.search(r'viewBox="([^"]+)"', picture[:head_end]).group(1)
    inner = picture[head_end:].rsplit("</svg>", 1)[0]
    inner = re.sub(r'id="([^"]+)"', lambda m: f'id="{prefix}-{m.group(1)}"', inner)
    inner = re.sub(r"url\(#([^)]+)\)", lambda m: f"url(#{prefix}-{m.group(1)})", inner)
    return (f'<svg x="{fmt(cx - w / 2)}" y="{fmt(cy - h / 2)}" width="{fmt(w)}" height="{fmt(h)}" '
            f'viewBox="{view}">{inner}</svg>')


def plate_rect(x, y, w, h, gid, rim="brass", radius=0.4, width=0.14):
    """A dark brass-rimmed plate with its lower left corner at (x, y), lit from above."""
    return (f'<rect x="{fmt(x)}" y="{fmt(y)}" width="{fmt(w)}" height="{fmt(h)}" rx="{fmt(radius)}" '
            f'fill="url(#{gid})" stroke="{P[rim]}" stroke-width="{fmt(width)}"/>')


def plate_gradient(gid, top="smoke", bottom="night"):
    return linear(gid, [(0, bottom), (1, top)], 0, 0, 0, 1)


def backdrop(seed, box=FULL_VIEW, tint="copper", top="smoke"):
    """The smoky backdrop with faint gears, for the screens' own full-view pictures."""
    x0, y0, w, h = box
    defs = linear("sky", [(0, "ink"), (1, top)], 0, 0, 0, 1)
    body = [f'<rect x="{fmt(x0)}" y="{fmt(y0)}" width="{fmt(w)}" height="{fmt(h)}" fill="url(#sky)"/>']
    body += scattered_gears(seed, int(14 * max(1, h / w)), P[tint], box)
    return defs, body


def key_cap(x, y, label, w=1.3, h=1.3, size=0.62):
    """A keyboard key seen from above, centred on (x, y)."""
    return "\n".join([
        f'<rect x="{fmt(x - w / 2)}" y="{fmt(y - h / 2 - 0.12)}" width="{fmt(w)}" height="{fmt(h)}" '
        f'rx="0.18" fill="{P["steelDark"]}"/>',
        f'<rect x="{fmt(x - w / 2)}" y="{fmt(y - h / 2)}" width="{fmt(w)}" height="{fmt(h)}" rx="0.18" '
        f'fill="{P["steelLight"]}" stroke="{P["steelDark"]}" stroke-width="0.06"/>',
        text(x, y - size * 0.36, size, label, P["ink"]),
    ])


PAD_BUTTONS = {"A": "bolt", "B": "ember", "X": "teal", "Y": "hazard"}


def pad_button(x, y, label, r=0.62):
    """A gamepad face button: its letter on its colour, so it reads without the colour too."""
    colour = P[PAD_BUTTONS.get(label, "steel")]
    return "\n".join([
        circle(x, y - 0.08, r, fill=P["ink"]),
        circle(x, y, r, fill=colour, stroke=P["ink"], width=0.07),
        text(x, y - r * 0.42, r * 1.2, label, P["ink"]),
    ])


def pad_pill(x, y, label, w=2.4):
    """A small oblong gamepad button (Start, Back) with its name on it."""
    return "\n".join([
        f'<rect x="{fmt(x - w / 2)}" y="{fmt(y - 0.38)}" width="{fmt(w)}" height="0.76" rx="0.38" '
        f'fill="{P["steelDark"]}" stroke="{P["ink"]}" stroke-width="0.06"/>',
        text(x, y - 0.2, 0.55, label, P["bone"]),
    ])


def stick(x, y, label, r=0.8):
    return "\n".join([
        circle(x, y, r, fill=P["ink"], stroke=P["steel"], width=0.08),
        circle(x, y, r * 0.62, fill=P["steelDark"], stroke=P["steelLight"], width=0.06),
        text(x, y - 0.18, 0.5, label, P["steelLight"]),
    ])


def gamepad(cx, cy, s=1.0):
    """A gamepad seen from the front, 12 s wide: sticks left and right, face buttons A B X Y,
    Back and Start between them."""
    body = (f"M{pt(-4.2, 2.4)} C{pt(-2, 2.9)} {pt(2, 2.9)} {pt(4.2, 2.4)} "
            f"C{pt(5.6, 2.1)} {pt(6.4, -1.2)} {pt(5.9, -2.9)} C{pt(5.5, -4.1)} {pt(4.0, -3.9)} {pt(3.2, -2.6)} "
            f"L{pt(2.2, -1.2)} L{pt(-2.2, -1.2)} L{pt(-3.2, -2.6)} "
            f"C{pt(-4.0, -3.9)} {pt(-5.5, -4.1)} {pt(-5.9, -2.9)} C{pt(-6.4, -1.2)} {pt(-5.6, 2.1)} {pt(-4.2, 2.4)} Z")
    parts = [
        f'<g transform="translate({fmt(cx)},{fmt(cy)}) scale({fmt(s)})">',
        f'<path d="{body}" fill="url(#padBody)" stroke="{P["ink"]}" stroke-width="0.16"/>',
        stick(-3.6, 0.9, "L"),
        stick(1.6, -0.9, "R"),
        pad_pill(-1.1, 1.25, "BACK", 1.7),
        pad_pill(1.1, 1.25, "START", 1.7),
        pad_button(4.1, -0.1, "A", 0.5),
        pad_button(5.05, 0.8, "B", 0.5),
        pad_button(3.15, 0.8, "X", 0.5),
        pad_button(4.1, 1.7, "Y", 0.5),
        # The cross pad.
        f'<path d="M{pt(-2.05, -0.6)} h0.5 v-0.5 h0.5 v0.5 h0.5 v0.5 h-0.5 v0.5 h-0.5 v-0.5 h-0.5 Z" '
        f'transform="translate(0.05,-0.1)" fill="{P["steelDark"]}" stroke="{P["ink"]}" stroke-width="0.05"/>',
        "</g>",
    ]
    defs = linear("padBody", [(0, "steelDark"), (0.6, "steel"), (1, "steelLight")], 0, 0, 0, 1)
    return defs, "\n".join(parts)


def row(x, y, items, gap=0.35):
    """Lays out drawn items (width, draw(x_centre)) from x to the right on one line."""
    out = []
    for width, draw in items:
        out.append(draw(x + width / 2, y))
        x += width + gap
    return out


def mark_width(kind, mark):
    if kind == "keys":
        return max(1.3, 0.45 * len(mark) + 0.6)
    return 1.3 if mark in PAD_BUTTONS else 1.6 if mark in ("L", "R") else 2.4


def marks_width(kind, marks):
    return sum(mark_width(kind, m) + 0.35 for m in marks)


def keys_line(x, y, keys, words, size=0.7):
    """Key caps followed by what they do, starting at x."""
    items = []
    for k in keys:
        w = mark_width("keys", k)
        items.append((w, lambda cx, cy, k=k, w=w: key_cap(cx, cy, k, w)))
    out = row(x, y, items)
    end = x + sum(w for w, _ in items) + 0.35 * len(items) + 0.2
    out.append(text(end, y - size * 0.36, size, words, P["bone"], anchor="start"))
    return out


def pad_line(x, y, marks, words, size=0.7):
    """Gamepad marks (face letters, "L"/"R" sticks, or Start/Back) and what they do."""
    items = []
    for m in marks:
        if m in PAD_BUTTONS:
            items.append((1.3, lambda cx, cy, m=m: pad_button(cx, cy, m)))
        elif m in ("L", "R"):
            items.append((1.6, lambda cx, cy, m=m: stick(cx, cy, m)))
        else:
            items.append((2.4, lambda cx, cy, m=m: pad_pill(cx, cy, m.upper())))
    out = row(x, y, items)
    end = x + sum(w for w, _ in items) + 0.35 * len(items) + 0.2
    out.append(text(end, y - size * 0.36, size, words, P["bone"], anchor="start"))
    return out


def heading(x, y, size, words, spacing=0.12):
    """A brass heading with a dark drop shadow."""
    return "\n".join([
        text(x + size * 0.05, y - size * 0.05, size, words, P["ink"], spacing=spacing),
        text(x, y, size, words, P["brassLight"], spacing=spacing),
    ])


KEYBOARD_CONTROLS = [
    (["A", "D", "\u2190", "\u2192"], "roll left and right"),
    (["SPACE", "ENTER"], "jump off a gear or a box"),
    (["R"], "start the level again"),
    (["ESC", "M"], "pause"),
]
GAMEPAD_CONTROLS = [
    (["L"], "left stick: roll left and right"),
    (["A"], "jump off a gear or a box"),
    (["R"], "right stick: boost (up to three)"),
    (["Back"], "start the level again"),
    (["Start", "B"], "pause"),
]


def splash_picture():
    """The studio picture: three meshing gears and the team's name."""
    defs, body = backdrop(11)
    defs += "".join(radial(f"g{k}", [(0, l), (0.55, b), (1, d)]) for k, (l, b, d) in enumerate(
        [("brassLight", "brass", "brassDark"), ("copperLight", "copper", "copperDark"),
         ("steelLight", "steel", "steelDark")]))
    for k, (cx, cy, full, teeth, phase) in enumerate([(-3.2, 2.6, 3.0, 12, 0.0), (1.55, 3.7, 2.0, 8, 0.2),
                                                      (2.1, -0.4, 1.6, 8, 0.1)]):
        d = gear_outline(full, full * 0.82, teeth, 0.17, 0.3, phase) + circle_path(0, 0, full * 0.3, True)
        body.append(f'<path transform="translate({fmt(cx)},{fmt(cy)})" d="{d}" fill="url(#g{k})" '
                    f'fill-rule="evenodd" stroke="{P["ink"]}" stroke-width="0.08"/>')
    body.append(heading(0, -4.6, 1.9, "THE VELMORA TEAM", 0.3))
    body.append(text(0, -6.3, 0.8, "PRESENTS", P["copperLight"], spacing=0.5))
    return svg(1920, 1080, FULL_VIEW, "\n".join(body), defs)


# The four credit entries of the team screen: 6.4 by 8 world units each (scale 3.2, 4).
CREDITS = [("design", "DESIGN"), ("code", "CODE"), ("art", "ART"), ("sound", "SOUND")]


def credit_icon(kind):
    ink, light = P["ink"], P["bone"]
    if kind == "design":  # compasses over a ruler
        return "\n".join([
            f'<rect x="-1.3" y="-1.25" width="2.6" height="0.45" rx="0.06" fill="{P["wood"]}" stroke="{ink}" stroke-width="0.05"/>',
            *[f'<line x1="{fmt(-1.1 + k * 0.3)}" y1="-0.8" x2="{fmt(-1.1 + k * 0.3)}" y2="-0.98" stroke="{ink}" stroke-width="0.04"/>' for k in range(8)],
            f'<path d="M0,1.1 L-0.75,-0.6 M0,1.1 L0.75,-0.6" stroke="{light}" stroke-width="0.16" stroke-linecap="round"/>',
            circle(0, 1.1, 0.2, fill=P["brassLight"], stroke=ink, width=0.05),
        ])
    if kind == "code":
        return text(0, -0.45, 1.5, "&lt;/&gt;", light)
    if kind == "art":  # a palette with paint and a brush
        blobs = "".join(circle(x, y, 0.2, fill=P[c]) for x, y, c in
                        [(-0.6, 0.3, "ember"), (-0.1, 0.65, "hazard"), (0.45, 0.5, "teal"), (0.65, -0.05, "bolt")])
        return "\n".join([
            f'<path d="M-1.1,0 C-1.1,1 0.2,1.2 0.9,0.7 C1.3,0.4 1.1,-0.3 0.6,-0.3 C0.2,-0.3 0.2,-0.9 -0.2,-0.9 '
            f'C-0.7,-0.9 -1.1,-0.6 -1.1,0 Z" fill="{light}" stroke="{ink}" stroke-width="0.06"/>',
            blobs, circle(-0.45, -0.35, 0.17, fill=P["night"]),
        ])
    # sound: a pair of quavers
    return "\n".join([
        circle(-0.55, -0.6, 0.33, fill=light), circle(0.65, -0.35, 0.33, fill=light),
        f'<path d="M-0.25,-0.6 L-0.25,0.95 L0.95,1.2 L0.95,-0.35" fill="none" stroke="{light}" stroke-width="0.16"/>',
        f'<path d="M-0.25,0.95 L0.95,1.2 L0.95,0.9 L-0.25,0.65 Z" fill="{light}"/>',
    ])


def credit_picture(kind, role):
    defs = plate_gradient("card") + radial("medal", [(0, "brassLight"), (0.55, "brass"), (1, "brassDark")])
    d = gear_outline(2.3, 1.95, 12, 0.17, 0.3)
    body = [
        plate_rect(-3.1, -3.9, 6.2, 7.8, "card", width=0.16),
        f'<path transform="translate(0,1.25)" d="{d}" fill="url(#medal)" stroke="{P["ink"]}" stroke-width="0.08"/>',
        circle(0, 1.25, 1.6, fill=P["night"], stroke=P["brassDark"], width=0.1),
        f'<g transform="translate(0,1.25)">{credit_icon(kind)}</g>',
        heading(0, -2.0, 1.05, role, 0.12),
        text(0, -3.15, 0.5, "VELMORA TEAM", P["copperLight"], spacing=0.06),
    ]
    return svg(512, 640, (-3.2, -4, 6.4, 8), "\n".join(body), defs)


def team_header_picture():
    body = [heading(0, -0.45, 1.3, "MADE BY THE VELMORA TEAM", 0.08)]
    return svg(1536, 192, (-12, -1.5, 24, 3), "\n".join(body))


def controls_columns(top):
    """The keyboard list on the left, the gamepad with its list on the right."""
    body = [
        heading(-8, top, 1.0, "KEYBOARD"),
        heading(8, top, 1.0, "GAMEPAD"),
    ]
    for k, (keys, words) in enumerate(KEYBOARD_CONTROLS):
        body += keys_line(-15, top - 2.0 - k * 1.75, keys, words)
    pad_defs, pad = gamepad(8, top - 2.3, 0.5)
    body.append(pad)
    for k, (marks, words) in enumerate(GAMEPAD_CONTROLS):
        body += pad_line(1.6, top - 5.0 - k * 1.5, marks, words, 0.62)
    return pad_defs, body


def controller_picture():
    """The hint after the credits: every control, on the keyboard and on a gamepad."""
    defs, body = backdrop(23, tint="steel")
    body.append(heading(0, 7.0, 1.1, "PLAY WITH THE KEYBOARD OR A GAMEPAD", 0.08))
    pad_defs, columns = controls_columns(4.6)
    body += columns
    body.append(f'<line x1="0" y1="5.3" x2="0" y2="-7.8" stroke="{P["brassDark"]}" stroke-width="0.08"/>')
    body.append(text(0, -8.4, 0.6, "PRESS ENTER OR (A) TO GO ON", P["copperLight"], spacing=0.2))
    return svg(1920, 1080, FULL_VIEW, "\n".join(body), defs + pad_defs)


def title_picture(bears):
    """The game's name, 60 by 12 world units (scale 30, 6): its O is a turning gear, and with the
    bears unlocked a bear stands at either end."""
    defs = linear("letters", [(0, "brassDark"), (0.5, "brass"), (1, "brassLight")], 0, 0, 0, 1)
    defs += radial("o", [(0, "goldLight"), (0.55, "gold"), (1, "goldDark")])
    body = []
    size = 9.0
    letters = ["V", "E", "L", "M", "O", "R", "A"]
    widths = [6.4, 5.8, 5.2, 7.8, 7.4, 6.2, 6.6]
    x = -sum(widths) / 2
    for letter, w in zip(letters, widths):
        cx = x + w / 2
        if letter == "O":
            d = gear_outline(3.6, 3.0, 12, 0.17, 0.3) + circle_path(0, 0, 1.6, True)
            body.append(f'<path transform="translate({fmt(cx)},0.3)" d="{d}" fill="url(#o)" fill-rule="evenodd" '
                        f'stroke="{P["ink"]}" stroke-width="0.25"/>')
        else:
            body.append(text(cx + 0.35, -3.35, size, letter, P["ink"]))
            body.append(f'<text transform="scale(1,-1)" x="{fmt(cx)}" y="3" font-family="FreeSans" font-weight="bold" '
                        f'font-size="{fmt(size)}" text-anchor="middle" fill="url(#letters)" stroke="{P["brassDark"]}" '
                        f'stroke-width="0.2">{letter}</text>')
        x += w
    if bears:
        bear = win_bear_picture()
        body.append(embed(bear, -26.5, 0, 6.5, 6.5, "bearL"))
        body.append(embed(bear, 26.5, 0, 6.5, 6.5, "bearR"))
        body.append(text(0, -5.6, 1.3, "ALL BEARS FOUND", P["goldLight"], spacing=0.6))
    return svg(1920, 384, (-30, -6, 60, 12), "\n".join(body), defs)


# The main menu's gear, drawn over -24..24: six teeth, tooth i carrying entry i at the angle
# pi/2 - i pi/3, so that a turn by +pi/3 (A or Left: the next entry) brings the tooth after it
# under the selector at the top.
MENU_ENTRIES = [["PLAY"], ["LEVELS"], ["OPTIONS"], ["HOW TO", "PLAY"], ["QUIT"], ["CREDITS"]]


def menu_gear_picture():
    full, belly = 23.0, 16.5
    defs = radial("body", [(0, "copperLight"), (0.5, "brass"), (1, "brassDark")], 0, 0, 1.1)
    defs += radial("tooth", [(0, "brassLight"), (0.7, "brass"), (1, "brassDark")], 0, 0, 1.6)
    phase = math.pi / 2
    outline = gear_outline(full, belly, 6, 0.2, 0.26, phase)
    holes = "".join(circle_path(*polar(10.5, phase + math.pi / 6 + k * math.pi / 3), 2.6, True) for k in range(6))
    body = [
        f'<path d="{outline}{holes}" fill="url(#body)" fill-rule="evenodd" stroke="{P["ink"]}" stroke-width="0.35"/>',
        circle(0, 0, belly - 0.9, stroke=P["brassDark"], width=0.4, extra='opacity="0.8"'),
        circle(0, 0, 5.0, fill=P["brassLight"], stroke=P["brassDark"], width=0.4),
        circle(0, 0, 2.0, fill=P["ink"], stroke=P["brassDark"], width=0.3),
    ]
    for k, lines in enumerate(MENU_ENTRIES):
        a = phase - k * math.pi / 3
        turn = math.degrees(a - math.pi / 2)
        # A plate on the tooth, upright when the tooth is at the top.
        inner = (f'<rect x="-7.0" y="-2.5" width="14.0" height="5.0" rx="0.8" fill="{P["night"]}" '
                 f'stroke="{P["brassDark"]}" stroke-width="0.3"/>')
        size = 2.4 if len(lines) == 1 else 1.8
        for n, words in enumerate(lines):
            y = -0.85 if len(lines) == 1 else 0.3 - n * 2.05
            inner += text(0, y, size, words, P["brassLight"], spacing=0.1)
        cx, cy = polar(19.2, a)
        body.append(f'<g transform="translate({fmt(cx)},{fmt(cy)}) rotate({fmt(turn)})">{inner}</g>')
    return svg(1280, 1280, (-24, -24, 48, 48), "\n".join(body), defs)


def menu_selector_picture():
    """The pointer over the chosen tooth: a brass bracket with an arrow, 16 by 6 world units."""
    defs = linear("metal", [(0, "brassDark"), (0.5, "brass"), (1, "brassLight")], 0, 0, 0, 1)
    body = [
        f'<path d="M-7.6,-2.6 L-7.6,1.2 L-1.2,1.2 L0,-0.4 L1.2,1.2 L7.6,1.2 L7.6,-2.6 L6.8,-2.6 L6.8,0.4 '
        f'L-6.8,0.4 L-6.8,-2.6 Z" fill="url(#metal)" stroke="{P["ink"]}" stroke-width="0.2"/>',
        polygon([(0, -0.6), (-1.3, 1.6), (1.3, 1.6)], P["goldLight"], P["ink"], 0.15),
        circle(-7.2, 0.8, 0.25, fill=P["brassDark"]), circle(7.2, 0.8, 0.25, fill=P["brassDark"]),
    ]
    return svg(512, 192, (-8, -3, 16, 6), "\n".join(body), defs)


def hint_picture(rows, width=24, pixels=1536):
    """Lines of key caps and words, one a row of two world units, for a corner of a menu."""
    out = []
    height = 2 * len(rows)
    for n, parts in enumerate(rows):
        x = -width / 2 + 0.4
        y = height / 2 - 1 - 2 * n
        for kind, marks, words in parts:
            out += (keys_line if kind == "keys" else pad_line)(x, y, marks, words, 0.62)
            x += marks_width(kind, marks) + 0.2 + 0.48 * len(words) + 0.9
    return svg(pixels, int(pixels * height / width), (-width / 2, -height / 2, width, height), "\n".join(out))


def level_button_picture(number, selected):
    """A level of the selection: a numbered gear in its set's metal, lit when selected."""
    light, base, dark = [("copperLight", "copper", "copperDark"), ("brassLight", "brass", "brassDark"),
                         ("steelLight", "steel", "steelDark"), ("goldLight", "gold", "goldDark")][(number - 1) // 6]
    defs = radial("body", [(0, light), (0.55, base), (1, dark)])
    defs += ('<radialGradient id="halo" cx="0.5" cy="0.5" r="0.5">'
             f'<stop offset="0.6" stop-color="{P["goldLight"]}" stop-opacity="0.9"/>'
             f'<stop offset="1" stop-color="{P["gold"]}" stop-opacity="0"/></radialGradient>')
    d = gear_outline(0.86, 0.72, 10, 0.17, 0.3)
    body = []
    if selected:
        body.append(circle(0, 0, 1.0, fill="url(#halo)"))
    body += [
        f'<path d="{d}" fill="url(#body)" stroke="{P["ink"] if not selected else P["goldLight"]}" '
        f'stroke-width="{0.04 if not selected else 0.06}"/>',
        circle(0, 0, 0.5, fill=P["night"], stroke=P[dark], width=0.05),
        text(0, -0.2, 0.58, str(number), P["goldLight"] if selected else P["bone"]),
    ]
    return svg(256, 256, (-1, -1, 2, 2), "\n".join(body), defs)


BEARS = {"Brown": ("woodLight", "wood", "woodDark"), "Grey": ("steelLight", "steel", "steelDark"),
         "Gold": ("goldLight", "gold", "goldDark"), "White": ("white", "bone", "boneShade")}


def bear_button_picture(kind, selected):
    """A secret level: a bear's head on a gear, in its own fur."""
    light, base, dark = BEARS[kind]
    defs = radial("fur", [(0, light), (0.6, base), (1, dark)])
    defs += ('<radialGradient id="halo" cx="0.5" cy="0.5" r="0.5">'
             f'<stop offset="0.6" stop-color="{P["goldLight"]}" stop-opacity="0.9"/>'
             f'<stop offset="1" stop-color="{P["gold"]}" stop-opacity="0"/></radialGradient>')
    d = gear_outline(0.86, 0.74, 12, 0.17, 0.3)
    body = [circle(0, 0, 1.0, fill="url(#halo)")] if selected else []
    body.append(f'<path d="{d}" fill="{P["smoke"]}" stroke="{P[dark]}" stroke-width="0.04"/>')
    s = 0.62
    for ex in (-0.58 * s, 0.58 * s):
        body.append(circle(ex, 0.55 * s, 0.28 * s, fill="url(#fur)", stroke=P[dark], width=0.04))
    body.append(circle(0, 0.05 * s, 0.78 * s, fill="url(#fur)", stroke=P[dark], width=0.04))
    body.append(f'<ellipse cx="0" cy="{fmt(-0.22 * s)}" rx="{fmt(0.36 * s)}" ry="{fmt(0.28 * s)}" fill="{P["bone"]}"/>')
    body.append(f'<ellipse cx="0" cy="{fmt(-0.1 * s)}" rx="{fmt(0.13 * s)}" ry="{fmt(0.09 * s)}" fill="{P["pupil"]}"/>')
    for ex in (-0.3 * s, 0.3 * s):
        body.append(circle(ex, 0.22 * s, 0.09 * s, fill=P["pupil"]))
    return svg(256, 256, (-1, -1, 2, 2), "\n".join(body), defs)


def menu_button_picture(words, selected, check=False):
    """A button of a vertical menu, 10 by 2 world units (scale 5, 1); a check box at its left
    when it is an option, over which the screen puts its cross."""
    defs = plate_gradient("plate", "copperDark" if selected else "smoke", "night")
    body = [plate_rect(-4.9, -0.9, 9.8, 1.8, "plate", "goldLight" if selected else "brassDark",
                       0.35, 0.12 if selected else 0.08)]
    x = 0
    if check:
        body.append(f'<rect x="-4.45" y="-0.55" width="1.1" height="1.1" rx="0.12" fill="{P["ink"]}" '
                    f'stroke="{P["brass"]}" stroke-width="0.08"/>')
        x = -3.0
    if selected:
        # An arrow pointing at the label from the right.
        body.append(polygon([(4.65, 0.32), (4.65, -0.32), (4.2, 0)], P["goldLight"]))
    # Long labels shrink to stay clear of the selection arrow.
    size = 0.72 if check else min(0.85, 6.8 / (0.62 * len(words)))
    body.append(text(x, -size * 0.38, size, words, P["goldLight"] if selected else P["bone"], spacing=0.05,
                     anchor="start" if check else "middle"))
    return svg(640, 128, (-5, -1, 10, 2), "\n".join(body), defs)


def cross_picture():
    """The tick of an option's check box: a brass cross, 1 by 1 world unit (scale 0.5)."""
    body = [
        f'<path d="M-0.36,-0.36 L0.36,0.36 M-0.36,0.36 L0.36,-0.36" stroke="{P["ink"]}" stroke-width="0.3" '
        'stroke-linecap="round"/>',
        f'<path d="M-0.36,-0.36 L0.36,0.36 M-0.36,0.36 L0.36,-0.36" stroke="{P["goldLight"]}" '
        'stroke-width="0.18" stroke-linecap="round"/>',
    ]
    return svg(64, 64, (-0.5, -0.5, 1, 1), "\n".join(body))


def words_picture(words, width, height, size, pixels):
    return svg(pixels, int(pixels * height / width), (-width / 2, -height / 2, width, height),
               heading(0, -size * 0.36, size, words, 0.2))


def how_to_play_picture(gamepad_first):
    """How to play, with the controls of the keyboard or of the gamepad."""
    defs, body = backdrop(5)
    body.append(heading(0, 7.0, 1.5, "HOW TO PLAY", 0.3))
    pieces = [
        ("velmo", gear_picture("velmo", *read_gears()["velmo"]), "You are Velmo, a small gear."),
        ("gear", gear_picture("gear", *read_gears()["gear"]), "Roll close to a turning gear: you mesh and ride it."),
        ("boost", boost_picture(), "Take a bolt nut for a boost, up to three." if gamepad_first else
         "Bolt nuts give boosts, spent with a gamepad's right stick."),
        ("bear", win_bear_picture(), "Reach the brass bear to open the next level."),
    ]
    for k, (name, picture, words) in enumerate(pieces):
        y = 4.9 - k * 1.9
        body.append(embed(picture, -12.6, y, 1.8, 1.8, f"p{k}"))
        body.append(text(-11.2, y - 0.3, 0.78, words, P["bone"], anchor="start", weight="normal"))
    body.append(text(-13.5, -2.55, 0.78, "Jump to fly off the way the gear turns. Bombs break boxes; a fall starts the level again.",
                     P["copperLight"], anchor="start", weight="normal"))
    body.append(f'<line x1="-14" y1="-3.4" x2="14" y2="-3.4" stroke="{P["brassDark"]}" stroke-width="0.08"/>')
    controls = GAMEPAD_CONTROLS if gamepad_first else KEYBOARD_CONTROLS
    line = pad_line if gamepad_first else keys_line
    rows = (len(controls) + 1) // 2
    for k, (marks, words) in enumerate(controls):
        column, slot = k // rows, k % rows
        body += line(-14.5 + column * 15, -4.6 - slot * 1.5, marks, words, 0.62)
    back = "(B) BACK" if gamepad_first else "ESC BACK"
    body.append(text(15.5, -8.6, 0.55, back, P["copperLight"], anchor="end", spacing=0.15))
    pad_defs = gamepad(0, 0)[0] if gamepad_first else ""
    return svg(1920, 1080, FULL_VIEW, "\n".join(body), defs + pad_defs)


def question_picture(question, detail, gamepad_first):
    """A confirmation, 22 by 9 world units (scale 11, 4.5): the question and its two answers,
    by keys or by gamepad buttons."""
    defs = plate_gradient("plate")
    body = [
        plate_rect(-10.8, -4.3, 21.6, 8.6, "plate", width=0.18),
        heading(0, 1.6, 1.5, question, 0.12),
        text(0, 0.0, 0.75, detail, P["copperLight"], weight="normal"),
    ]
    if gamepad_first:
        body += pad_line(-7.2, -2.4, ["A"], "YES", 0.9)
        body += pad_line(2.4, -2.4, ["B"], "NO", 0.9)
    else:
        body += keys_line(-9.4, -2.4, ["Y", "ENTER"], "YES", 0.9)
        body += keys_line(1.4, -2.4, ["N", "ESC"], "NO", 0.9)
    return svg(1408, 576, (-11, -4.5, 22, 9), "\n".join(body), defs)


def quit_pause_picture(gamepad_first):
    """The hint in the first two levels: how to pause (and from there quit) and restart,
    18 by 2 world units (scale 9, 1)."""
    defs = plate_gradient("plate")
    body = [plate_rect(-8.9, -0.9, 17.8, 1.8, "plate", "brassDark", 0.35, 0.08)]
    if gamepad_first:
        body += pad_line(-8.4, 0, ["Start", "B"], "PAUSE OR QUIT", 0.62)
        body += pad_line(2.4, 0, ["Back"], "RESTART", 0.62)
    else:
        body += keys_line(-8.4, 0, ["ESC", "M"], "PAUSE OR QUIT", 0.62)
        body += keys_line(3.2, 0, ["R"], "RESTART", 0.62)
    return svg(1152, 128, (-9, -1, 18, 2), "\n".join(body), defs)


# The credits scroll: 24 by 48 world units (scale 12, 24), read from the top while the camera
# sinks from y 0 to below -25.
CREDITS_ROLL = [
    ("title", "VELMORA"),
    ("small", "A game of gears by"),
    ("big", "THE VELMORA TEAM"),
    ("gap", ""),
    ("role", "GAME DESIGN"), ("name", "the Velmora team"),
    ("role", "ENGINE AND CODE"), ("name", "the Velmora team"),
    ("role", "PICTURES"), ("name", "the Velmora team"),
    ("role", "SOUND AND MUSIC"), ("name", "the Velmora team"),
    ("role", "LEVELS"), ("name", "the Velmora team"),
    ("gap", ""),
    ("role", "BUILT WITH"),
    ("tool", "GLFW, GLEW, OpenGL Mathematics, SOIL"),
    ("tool", "FreeType, OpenAL Soft, libsndfile"),
    ("tool", "librsvg, ImageMagick, SoX, abcMIDI"),
    ("tool", "FluidSynth, the FluidR3 soundfont"),
    ("tool", "GNU FreeFont, Debian"),
    ("gap", ""),
    ("big", "THANK YOU FOR PLAYING"),
]


def credits_text_picture():
    sizes = {"title": (3.2, 4.6), "small": (0.9, 1.6), "big": (1.5, 2.6), "gap": (0, 1.5),
             "role": (1.0, 1.4), "name": (0.9, 1.5), "tool": (0.8, 1.3)}
    body = []
    y = 21.5
    for kind, words in CREDITS_ROLL:
        size, step = sizes[kind]
        if kind == "title":
            body.append(heading(0, y - size * 0.7, size, words, 0.5))
        elif kind in ("big", "role"):
            body.append(heading(0, y - size * 0.7, size, words, 0.15))
        elif words:
            body.append(text(0, y - size * 0.7, size, words, P["bone"] if kind == "name" else P["steelLight"],
                             weight="normal"))
        y -= step
    wheel = gear_outline(2.2, 1.8, 12, 0.17, 0.3) + circle_path(0, 0, 0.7, True)
    body.append(f'<path transform="translate(0,{fmt(y - 2.5)})" d="{wheel}" fill="{P["brass"]}" '
                f'fill-rule="evenodd" stroke="{P["ink"]}" stroke-width="0.08"/>')
    return svg(1152, 2304, (-12, -24, 24, 48), "\n".join(body))


def credits_background_picture():
    """The backdrop the credits scroll over: 40 by 80 world units (scale 20, 40)."""
    box = (-20, -40, 40, 80)
    defs = linear("sky", [(0, "ink"), (0.5, "night"), (1, "smoke")], 0, 0, 0, 1)
    body = [f'<rect x="-20" y="-40" width="40" height="80" fill="url(#sky)"/>']
    body += scattered_gears(41, 18, P["steel"], box)
    return svg(960, 1920, box, "\n".join(body), defs)


PAUSE_BUTTONS = [("resumeGame", "RESUME"), ("options", "OPTIONS"), ("howToPlay", "HOW TO PLAY"),
                 ("mainMenu", "MAIN MENU"), ("quit", "QUIT GAME")]
OPTION_BUTTONS = [("fullscreenToggle", "fullscreenToggleUnchecked", "FULL SCREEN", True),
                  ("muteMusic", "muteMusicUnselected", "MUTE MUSIC", True),
                  ("muteAllAudio", "muteAllAudioUnchecked", "MUTE ALL SOUND", True),
                  ("clearSavedData", "clearSavedData", "CLEAR SAVED DATA", False)]
VERTICAL_HINT = [("keys", ["W", "S"], "MOVE"), ("keys", ["ENTER"], "CHOOSE"), ("keys", ["ESC"], "BACK")]


# The win screens. A set's screen stands 32 above the plane: its backdrop spans 64 by 36 world
# units (scale 32, 18) and its title 40 by 8 (scale 20, 4) at the top of the view.
def night_sky(box, seed, stars, star_radius, cell=(64, 36)):
    """A night over the workshop: black above, smoke and faint gears below (laid out cell by
    cell, so that every view of a large sky has some), and stars."""
    x0, y0, w, h = box
    defs = linear("night", [(0, "soot"), (0.45, "night"), (1, "ink")], 0, 0, 0, 1)
    body = [f'<rect x="{fmt(x0)}" y="{fmt(y0)}" width="{fmt(w)}" height="{fmt(h)}" fill="url(#night)"/>']
    cw, ch = cell
    columns, rows = max(1, round(w / cw)), max(1, round(h * 0.45 / ch))
    for i in range(columns):
        for j in range(rows):
            tile = (x0 + i * w / columns, y0 + j * h * 0.45 / rows, w / columns, h * 0.45 / rows)
            body += scattered_gears(seed + 17 * (i * rows + j), 5, P["copper"], tile)
    state = seed * 7 + 3
    for _ in range(stars):
        state = (state * 1103515245 + 12345) % 2147483648
        sx = x0 + w * state / 2147483648
        state = (state * 1103515245 + 12345) % 2147483648
        sy = y0 + h * (0.4 + 0.6 * state / 2147483648)
        r = star_radius * (1 + state % 3)
        body.append(circle(sx, sy, r, P["goldLight"] if state % 5 == 0 else P["bone"],
                           extra=f'opacity="{fmt(0.35 + 0.15 * (state % 4))}"'))
    return defs, body


def win_backdrop_picture():
    defs, body = night_sky(FULL_VIEW, 53, 50, 0.05, (32, 18))
    return svg(1920, 1080, FULL_VIEW, "\n".join(body), defs)


def set_win_title_picture(number, next_level):
    """A set's win: its title, and Space for the next level (the show leads there by itself)."""
    box = (-20, -4, 40, 8)
    body = [heading(0, 1.0, 3.0, f"SET {number} IS WON", 0.3)]
    body += keys_line(-13.2, -2.6, ["SPACE"], f"ON TO LEVEL {next_level}", 0.9)
    body.append(text(13.5, -2.9, 0.8, "or watch the show to its end", P["copperLight"],
                     anchor="end", weight="normal"))
    return svg(2048, 410, box, "\n".join(body))


def bears_won_title_picture():
    """After the secret bear levels: no set follows, so the way back is the main menu."""
    box = (-20, -4, 40, 8)
    body = [heading(0, 1.0, 2.2, "THE SECRET BEARS ARE WON", 0.15)]
    body += keys_line(-15.5, -2.6, ["ENTER", "ESC"], "MAIN MENU", 0.9)
    body += pad_line(4.0, -2.6, ["A", "B"], "MAIN MENU", 0.9)
    return svg(2048, 410, box, "\n".join(body))


# The final screen's ride: the camera (30 above the plane, a view of 60 by 34 world units)
# starts at (140, 10), climbs at x 150 to y 100, crosses to x 400 and sinks to y -150. One sky
# spans the whole ride: 330 by 294 world units (scale 165, 147) centred on (270, -25).
FINAL_SKY = (-165, -147, 330, 294)


def final_sky_picture():
    defs, body = night_sky(FINAL_SKY, 71, 500, 0.12, (60, 34))
    return svg(2048, 1824, FINAL_SKY, "\n".join(body), defs)


def final_title_picture():
    """Where the ride starts: 40 by 10 world units (scale 20, 5)."""
    box = (-20, -5, 40, 10)
    body = [heading(0, 1.2, 3.2, "EVERY LEVEL IS WON", 0.3),
            text(0, -2.6, 1.2, "Thank you for playing Velmora.", P["bone"], weight="normal")]
    return svg(2048, 512, box, "\n".join(body))


def final_bears_picture():
    """Along the top of the ride: the four secret bears, 48 by 12 world units (scale 24, 6)."""
    box = (-24, -6, 48, 12)
    body = [heading(0, 3.6, 2.0, "FOUR SECRET BEARS ARE FREE", 0.2)]
    for k, kind in enumerate(BEARS):
        body.append(embed(bear_button_picture(kind, False), -10.5 + 7 * k, -0.6, 5.6, 5.6, f"b{k}"))
    body.append(text(0, -5.0, 1.0, "They wait for you in the level selection.", P["copperLight"],
                     weight="normal"))
    return svg(2048, 512, box, "\n".join(body))


def final_end_picture():
    """Where the ride ends: 40 by 12 world units (scale 20, 6), with the way back."""
    box = (-20, -6, 40, 12)
    body = [heading(0, 2.0, 3.6, "THE END", 0.5)]
    body += keys_line(-17.5, -2.4, ["SPACE", "ENTER", "ESC"], "MAIN MENU", 0.9)
    body += pad_line(6.5, -2.4, ["A", "B"], "MAIN MENU", 0.9)
    body += keys_line(-6.0, -4.8, ["R"], "RIDE AGAIN", 0.9)
    return svg(2048, 614, box, "\n".join(body))


def screen_pictures():
    table = {
        "splashStudio": splash_picture,
        "teamHeader": team_header_picture,
        "controllerHint": controller_picture,
        "title": lambda: title_picture(False),
        "titleBear": lambda: title_picture(True),
        "menuGear": menu_gear_picture,
        "menuSelector": menu_selector_picture,
        "menuHintKeys": lambda: hint_picture([[("keys", ["A", "D"], "TURN")], [("keys", ["ENTER"], "CHOOSE")]],
                                             8, 512),
        "menuHintPad": lambda: hint_picture([[("pad", ["L"], "TURN")], [("pad", ["A"], "CHOOSE")]], 8, 512),
        "levelSelectTitle": lambda: words_picture("CHOOSE A LEVEL", 24, 3, 1.8, 1536),
        "levelSelectHint": lambda: hint_picture([[("keys", ["W", "A", "S", "D"], "MOVE")],
                                                 [("keys", ["ENTER"], "PLAY"), ("keys", ["ESC"], "BACK")]], 11, 704),
        "pauseTitle": lambda: words_picture("PAUSED", 12, 3, 1.8, 768),
        "optionsTitle": lambda: words_picture("OPTIONS", 12, 3, 1.8, 768),
        "menuListHint": lambda: hint_picture([VERTICAL_HINT], 20, 1280),
        "optionCross": cross_picture,
        "howToPlayKeyboard": lambda: how_to_play_picture(False),
        "howToPlayGamepad": lambda: how_to_play_picture(True),
        "creditsText": credits_text_picture,
        "creditsBackground": credits_background_picture,
        "quitPauseKeyboard": lambda: quit_pause_picture(False),
        "quitPauseGamepad": lambda: quit_pause_picture(True),
        "winBackdrop": win_backdrop_picture,
        "bearsWonTitle": bears_won_title_picture,
        "finalSky": final_sky_picture,
        "finalTitle": final_title_picture,
        "finalBears": final_bears_picture,
        "finalEnd": final_end_picture,
    }
    for number in (1, 2, 3):
        table[f"setWinTitle{number}"] = lambda n=number: set_win_title_picture(n, 6 * n + 1)
    for kind, role in CREDITS:
        table["credit" + role.title()] = lambda k=kind, r=role: credit_picture(k, r)
    for number in range(1, 25):
        table[f"levelSelectGear{number}"] = lambda n=number: level_button_picture(n, False)
        table[f"levelSelectGear{number}Selected"] = lambda n=number: level_button_picture(n, True)
    for kind in BEARS:
        table[f"BearGear{kind}"] = lambda k=kind: bear_button_picture(k, False)
        table[f"BearGear{kind}Selected"] = lambda k=kind: bear_button_picture(k, True)
    for name, words in PAUSE_BUTTONS:
        table[name] = lambda w=words: menu_button_picture(w, False)
        table[name + "Selected"] = lambda w=words: menu_button_picture(w, True)
    for stem, identity, words, check in OPTION_BUTTONS:
        table[identity] = lambda w=words, c=check: menu_button_picture(w, False, c)
        table[stem + "Selected"] = lambda w=words, c=check: menu_button_picture(w, True, c)
    for stem, question, detail in [
            ("quitConfirm", "QUIT VELMORA?", "Your progress is kept."),
            ("leaveLevel", "LEAVE THIS LEVEL?", "Back to the main menu; the level starts again next time."),
            ("resetSave", "CLEAR SAVED DATA?", "Every level but the first is locked again.")]:
        table[stem + "Keyboard"] = lambda q=question, d=detail: question_picture(q, d, False)
        table[stem + "Gamepad"] = lambda q=question, d=detail: question_picture(q, d, True)
    return table


def icon_picture():
    """The desktop's icon of the game: Velmo meshing with a brass gear. A desktop shows a
    picture's first row at the top, so this one alone is drawn the usual way up: the game's
    pictures are turned over inside it."""
    gears = read_gears()
    brass = embed(gear_picture("gear", *gears["gear"]), 0.48, 0.48, 0.96, 0.96, "brass")
    velmo = embed(gear_picture("velmo", *gears["velmo"]), -0.3, -0.3, 1.4, 1.4, "velmo")
    return svg(256, 256, (-1.04, -1.04, 2.08, 2.08), f'<g transform="scale(1,-1)">{brass}{velmo}</g>')


def pictures():
    table = {name: (lambda n=name, g=g: gear_picture(n, *g)) for name, g in read_gears().items()}
    table.update({
        "box": box_picture,
        "platform": platform_picture,
        "woodBox": wood_box_picture,
        "metalBox": metal_box_picture,
        "explosiveBox": explosive_box_picture,
        "boost": boost_picture,
        "winBear": win_bear_picture,
        "winBearBlink": lambda: win_bear_picture(blink=True),
        "background1": lambda: background_picture(1),
        "background2": lambda: background_picture(2),
        "background3": foundry_backdrop_picture,
        "background4": dusk_backdrop_picture,
        "backgroundBears": bear_night_backdrop_picture,
        "fade": fade_picture,
        "gauge": gauge_picture,
        "gaugeFill": gauge_fill_picture,
        "particle": lambda: glow_picture("white", "steelLight"),
        "spark": lambda: glow_picture("goldLight", "copper", "spark"),
        "water": lambda: glow_picture("tealLight", "teal", "drop"),
        "star": star_picture,
        "icon": icon_picture,
        "loading1": lambda: loading_picture(1),
        "loading2": lambda: loading_picture(2),
        "loading3": lambda: loading_picture(3),
    })
    table.update(screen_pictures())
    return table


def main(argv):
    table = pictures()
    if argv[1:] == ["--names"]:
        print("\n".join(sorted(table)))
        return 0
    if len(argv) != 3 or argv[1] not in table:
        sys.stderr.write(f"usage: {argv[0]} --names | NAME OUT.svg (NAME one of --names)\n")
        return 2
    with open(argv[2], "w") as f:
        f.write(table[argv[1]]())
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
