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


def win_bear_picture():
    """The goal: a brass bear's head with a cog for a medal."""
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
    defs += ('<radialGradient id="vignette" cx="0.5" cy="0.5" r="0.7">'
             f'<stop offset="0.5" stop-color="{P["black"]}" stop-opacity="0"/>'
             f'<stop offset="1" stop-color="{P["black"]}" stop-opacity="0.75"/></radialGradient>')
    body = [f'<rect x="-16" y="-9" width="32" height="18" fill="url(#sky)"/>']
    body += scattered_gears(7 if variant == 1 else 31, 14, tint, box)
    if variant == 2:
        for k in range(5):
            y = -7 + k * 3.4
            body.append(f'<rect x="-16" y="{fmt(y)}" width="32" height="0.35" fill="{P["steel"]}" opacity="0.08"/>')
    body.append(f'<rect x="-16" y="-9" width="32" height="18" fill="url(#vignette)"/>')
    return svg(1920, 1080, box, "\n".join(body), defs)


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
    return svg(1280, 720, box, "\n".join(body), defs)


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
        "background1": lambda: background_picture(1),
        "background2": lambda: background_picture(2),
        "fade": fade_picture,
        "gauge": gauge_picture,
        "gaugeFill": gauge_fill_picture,
        "particle": lambda: glow_picture("white", "steelLight"),
        "spark": lambda: glow_picture("goldLight", "copper", "spark"),
        "water": lambda: glow_picture("tealLight", "teal", "drop"),
        "star": star_picture,
        "loading1": lambda: loading_picture(1),
        "loading2": lambda: loading_picture(2),
        "loading3": lambda: loading_picture(3),
    })
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
