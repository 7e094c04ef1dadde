#!/usr/bin/env python3
"""Generate resources/schematic.svg: the annotated reference circuit of an
average-current-mode boost PFC stage built around a UC3854-type controller.

Only the Python 3 standard library is used.  Run:  python3 make_schematic.py
(writes schematic.svg next to this script, or to the path given as argv[1]).

Canvas: 691 x 630 px.  The picture is shown in two windows of the program:
window 1 shows rows 0..574 (power stage, upper part), window 2 shows rows
56..629 (controller and its small parts, lower part).  Everything that matters
is therefore kept inside rows 56..574; the top strip only carries the title
and the bottom strip only a general note.

Conventions used in the drawing:
  * wires are horizontal/vertical, junctions are filled dots,
  * a small semicircle ("hop") marks a crossing WITHOUT connection,
  * every ground symbol is the control ground = the grounded end of Rs,
  * resistors are drawn as rectangles (IEC style),
  * red dashed boxes + red captions mark the parts each calculation sizes.
"""

import os
import sys
from xml.sax.saxutils import escape

W, H = 691, 630

# Noto Sans CJK SC is darker at 10..12 px; AR PL UMing CN is the fallback that
# every Debian machine with fonts-arphic-uming has.
CJK_FONT = "'Noto Sans CJK SC','AR PL UMing CN','AR PL UMing TW',sans-serif"
LATIN_FONT = "'DejaVu Sans','Noto Sans',sans-serif"

BLACK = "#000000"
RED = "#d40000"
WIRE_W = 1.3

out = []


# --------------------------------------------------------------------------
# primitives
# --------------------------------------------------------------------------
def emit(s):
    out.append(s)


def f(v):
    """Format a coordinate compactly."""
    return ("%.2f" % v).rstrip("0").rstrip(".")


def line(x1, y1, x2, y2, w=WIRE_W, color=BLACK, extra=""):
    emit('<line x1="%s" y1="%s" x2="%s" y2="%s" stroke="%s" stroke-width="%s"%s/>'
         % (f(x1), f(y1), f(x2), f(y2), color, f(w), extra))


def wire(*pts, w=WIRE_W, color=BLACK):
    """Polyline through the given points (orthogonal segments expected)."""
    p = " ".join("%s,%s" % (f(x), f(y)) for x, y in pts)
    emit('<polyline points="%s" fill="none" stroke="%s" stroke-width="%s" '
         'stroke-linejoin="miter" stroke-linecap="square"/>' % (p, color, f(w)))


def vwire(x, y1, y2, hops=(), r=4.5):
    """Vertical wire from y1 to y2 (y1 < y2) hopping over horizontal wires
    located at the y values in `hops` (crossing without connection)."""
    d = "M%s,%s" % (f(x), f(y1))
    for hy in sorted(hops):
        d += " L%s,%s A%s,%s 0 0 1 %s,%s" % (f(x), f(hy - r), f(r), f(r), f(x), f(hy + r))
    d += " L%s,%s" % (f(x), f(y2))
    emit('<path d="%s" fill="none" stroke="%s" stroke-width="%s"/>' % (d, BLACK, f(WIRE_W)))


def dot(x, y, r=2.7):
    emit('<circle cx="%s" cy="%s" r="%s" fill="%s"/>' % (f(x), f(y), f(r), BLACK))


def terminal(x, y, r=3.2):
    emit('<circle cx="%s" cy="%s" r="%s" fill="#ffffff" stroke="%s" stroke-width="%s"/>'
         % (f(x), f(y), f(r), BLACK, f(WIRE_W)))


def is_cjk(ch):
    o = ord(ch)
    return (0x2E80 <= o <= 0x9FFF) or (0xFF00 <= o <= 0xFFEF) or (0x3000 <= o <= 0x303F)


def text(x, y, s, size=10, anchor="start", color=BLACK, weight="normal"):
    """Text with script-aware font runs: Chinese runs use the CJK families,
    everything else DejaVu Sans."""
    runs = []
    for ch in s:
        kind = is_cjk(ch)
        if runs and runs[-1][0] == kind:
            runs[-1][1] += ch
        else:
            runs.append([kind, ch])
    spans = "".join('<tspan font-family="%s">%s</tspan>'
                    % (CJK_FONT if k else LATIN_FONT, escape(t)) for k, t in runs)
    emit('<text x="%s" y="%s" font-size="%s" fill="%s" font-weight="%s" '
         'text-anchor="%s" xml:space="preserve">%s</text>'
         % (f(x), f(y), f(size), color, weight, anchor, spans))


def label2(x, y, a, b, anchor="start", size=10, dy=12):
    """Two-line part label: designator above, value below."""
    text(x, y, a, size, anchor)
    text(x, y + dy, b, size, anchor)


def red_box(x1, y1, x2, y2):
    emit('<rect x="%s" y="%s" width="%s" height="%s" fill="none" stroke="%s" '
         'stroke-width="1" stroke-dasharray="4,2.5"/>'
         % (f(x1), f(y1), f(x2 - x1), f(y2 - y1), RED))


def red_text(x, y, s, anchor="start", size=12):
    text(x, y, s, size, anchor, color=RED, weight="bold")


def red_leader(*pts):
    p = " ".join("%s,%s" % (f(x), f(y)) for x, y in pts)
    emit('<polyline points="%s" fill="none" stroke="%s" stroke-width="0.9"/>' % (p, RED))


# --------------------------------------------------------------------------
# component symbols (two-terminal parts are drawn between two points that
# lie on one horizontal or vertical line; the body is centred)
# --------------------------------------------------------------------------
def _axis(p1, p2):
    (x1, y1), (x2, y2) = p1, p2
    if abs(y1 - y2) < 1e-6:
        return "h"
    if abs(x1 - x2) < 1e-6:
        return "v"
    raise ValueError("part must be horizontal or vertical: %r %r" % (p1, p2))


def resistor(p1, p2, body=24, width=9):
    (x1, y1), (x2, y2) = p1, p2
    if _axis(p1, p2) == "h":
        xa, xb = min(x1, x2), max(x1, x2)
        cx = (xa + xb) / 2.0
        line(xa, y1, cx - body / 2.0, y1)
        line(cx + body / 2.0, y1, xb, y1)
        emit('<rect x="%s" y="%s" width="%s" height="%s" fill="#ffffff" stroke="%s" stroke-width="%s"/>'
             % (f(cx - body / 2.0), f(y1 - width / 2.0), f(body), f(width), BLACK, f(WIRE_W)))
    else:
        ya, yb = min(y1, y2), max(y1, y2)
        cy = (ya + yb) / 2.0
        line(x1, ya, x1, cy - body / 2.0)
        line(x1, cy + body / 2.0, x1, yb)
        emit('<rect x="%s" y="%s" width="%s" height="%s" fill="#ffffff" stroke="%s" stroke-width="%s"/>'
             % (f(x1 - width / 2.0), f(cy - body / 2.0), f(width), f(body), BLACK, f(WIRE_W)))


def capacitor(p1, p2, gap=6, plate=18, polarized=False):
    """Plain capacitor; with polarized=True an electrolytic (curved negative
    plate, '+' at the p1 side)."""
    (x1, y1), (x2, y2) = p1, p2
    pw = 1.8
    if _axis(p1, p2) == "v":
        ya, yb = min(y1, y2), max(y1, y2)
        cy = (ya + yb) / 2.0
        t, b = cy - gap / 2.0, cy + gap / 2.0
        line(x1, ya, x1, t)
        line(x1, b if not polarized else b + 3, x1, yb)
        line(x1 - plate / 2.0, t, x1 + plate / 2.0, t, w=pw)
        if polarized:
            emit('<path d="M%s,%s Q%s,%s %s,%s" fill="none" stroke="%s" stroke-width="%s"/>'
                 % (f(x1 - plate / 2.0), f(b), f(x1), f(b + 6), f(x1 + plate / 2.0), f(b),
                    BLACK, f(pw)))
            text(x1 - plate / 2.0 - 1, t - 2, "+", 10, "end")
        else:
            line(x1 - plate / 2.0, b, x1 + plate / 2.0, b, w=pw)
    else:
        xa, xb = min(x1, x2), max(x1, x2)
        cx = (xa + xb) / 2.0
        l, r = cx - gap / 2.0, cx + gap / 2.0
        line(xa, y1, l, y1)
        line(r, y1, xb, y1)
        line(l, y1 - plate / 2.0, l, y1 + plate / 2.0, w=pw)
        line(r, y1 - plate / 2.0, r, y1 + plate / 2.0, w=pw)


def inductor(p1, p2, n=4):
    """Horizontal inductor drawn as n half-circle turns."""
    (x1, y1), (x2, y2) = p1, p2
    assert _axis(p1, p2) == "h"
    r = (x2 - x1) / (2.0 * n)
    d = "M%s,%s" % (f(x1), f(y1))
    x = x1
    for _ in range(n):
        d += " A%s,%s 0 0 1 %s,%s" % (f(r), f(r), f(x + 2 * r), f(y1))
        x += 2 * r
    emit('<path d="%s" fill="none" stroke="%s" stroke-width="1.5"/>' % (d, BLACK))


def diode_at(cx, cy, angle, size=10):
    """Diode symbol centred at (cx, cy); anode->cathode points along `angle`
    (degrees, SVG rotation).  Only the symbol, leads are drawn by the caller."""
    s = size / 2.0
    emit('<g transform="translate(%s,%s) rotate(%s)">'
         '<polygon points="%s,%s %s,%s %s,0" fill="#ffffff" stroke="%s" stroke-width="%s"/>'
         '<line x1="%s" y1="%s" x2="%s" y2="%s" stroke="%s" stroke-width="1.8"/></g>'
         % (f(cx), f(cy), f(angle),
            f(-s), f(-s), f(-s), f(s), f(s), BLACK, f(WIRE_W),
            f(s), f(-s), f(s), f(s), BLACK))


def diode(p1, p2, size=14):
    """Diode between two points on a horizontal line, anode at p1."""
    (x1, y1), (x2, y2) = p1, p2
    assert _axis(p1, p2) == "h"
    cx = (x1 + x2) / 2.0
    line(x1, y1, x2, y1)
    diode_at(cx, y1, 0 if x2 > x1 else 180, size)


def ground(x, y, stem=8):
    """Ground symbol hanging below (x, y)."""
    line(x, y, x, y + stem)
    g = y + stem
    line(x - 8, g, x + 8, g, w=1.5)
    line(x - 5, g + 3.5, x + 5, g + 3.5, w=1.5)
    line(x - 2, g + 7, x + 2, g + 7, w=1.5)


def ac_source(cx, cy, r=13):
    emit('<circle cx="%s" cy="%s" r="%s" fill="#ffffff" stroke="%s" stroke-width="%s"/>'
         % (f(cx), f(cy), f(r), BLACK, f(WIRE_W)))
    a = r * 0.6
    emit('<path d="M%s,%s C%s,%s %s,%s %s,%s C%s,%s %s,%s %s,%s" fill="none" stroke="%s" stroke-width="1.2"/>'
         % (f(cx - a), f(cy),
            f(cx - a * 0.6), f(cy - a * 1.1), f(cx - a * 0.4), f(cy - a * 1.1), f(cx), f(cy),
            f(cx + a * 0.4), f(cy + a * 1.1), f(cx + a * 0.6), f(cy + a * 1.1), f(cx + a), f(cy),
            BLACK))


def bridge(cx, cy, h):
    """Full-wave bridge as a diamond: AC at top/bottom vertices, DC+ at the
    right vertex, DC- at the left vertex.  Returns the four vertices."""
    T, R, B, L = (cx, cy - h), (cx + h, cy), (cx, cy + h), (cx - h, cy)
    wire(L, T, R)
    wire(L, B, R)
    m = lambda p, q: ((p[0] + q[0]) / 2.0, (p[1] + q[1]) / 2.0)
    # all four diodes conduct from the DC- (left) vertex towards DC+ (right)
    diode_at(*m(L, T), angle=-45, size=10)
    diode_at(*m(T, R), angle=45, size=10)
    diode_at(*m(L, B), angle=45, size=10)
    diode_at(*m(B, R), angle=-45, size=10)
    return T, R, B, L


def nmos(xd, y_d, y_s, xg_lead):
    """N-channel enhancement MOSFET.  Drain/source lead on x = xd, drain lead
    enters at y_d (top), source at y_s (bottom).  Gate lead leaves to the left
    and ends at x = xg_lead; returns the gate lead end point."""
    xc = xd - 8          # channel bar
    xg = xd - 15         # gate plate
    top, bot = y_d + 6, y_s - 6
    mid = (top + bot) / 2.0
    # drain
    wire((xd, y_d), (xd, top), (xc, top))
    # source + body
    wire((xc, bot), (xd, bot), (xd, y_s))
    line(xd, mid, xd, bot)
    line(xc, mid, xd, mid)
    # arrow into the channel (N-channel)
    emit('<polygon points="%s,%s %s,%s %s,%s" fill="%s"/>'
         % (f(xc + 1), f(mid), f(xc + 6), f(mid - 3), f(xc + 6), f(mid + 3), BLACK))
    # channel segments (enhancement mode)
    seg = (bot - top + 12) / 3.0
    for i in range(3):
        a = top - 6 + i * seg + 1.5
        line(xc, a, xc, a + seg - 3, w=1.8)
    # gate
    line(xg, top - 3, xg, bot + 3, w=1.5)
    line(xg, bot, xg_lead, bot)
    return (xg_lead, bot)


# --------------------------------------------------------------------------
# controller block
# --------------------------------------------------------------------------
IC_X1, IC_X2 = 320, 440
IC_Y1, IC_Y2 = 215, 556
STUB = 20


def pin_left(y, num, name):
    line(IC_X1 - STUB, y, IC_X1, y)
    text(IC_X1 - STUB / 2.0, y - 3, str(num), 10, "middle")
    text(IC_X1 + 4, y + 3.5, name, 10, "start")
    return (IC_X1 - STUB, y)


def pin_right(y, num, name):
    line(IC_X2, y, IC_X2 + STUB, y)
    text(IC_X2 + STUB / 2.0, y - 3, str(num), 10, "middle")
    text(IC_X2 - 4, y + 3.5, name, 10, "end")
    return (IC_X2 + STUB, y)


def pin_top(x, num, name):
    line(x, IC_Y1 - STUB + 2, x, IC_Y1)
    text(x + 4, IC_Y1 - 5, str(num), 10, "start")
    text(x, IC_Y1 + 13, name, 10, "middle")
    return (x, IC_Y1 - STUB + 2)


# ==========================================================================
# drawing
# ==========================================================================
def draw():
    emit('<rect x="0" y="0" width="%d" height="%d" fill="#ffffff"/>' % (W, H))

    # ---------------- title (top strip, rows 0..55) -----------------------
    text(W / 2.0, 34, "UC3854 型平均电流模式升压 PFC 参考电路", 18, "middle", weight="bold")

    # ---------------- power stage ------------------------------------------
    Y_P = 85        # rectified / output positive rail
    Y_N = 185       # return rail (control ground right of Rs)

    # mains source and bridge
    acx, acy = 28, 118
    ac_source(acx, acy)
    T, R, B, L = bridge(100, 118, 26)
    wire((acx, acy - 13), (acx, 76), (T[0], 76), T)
    wire((acx, acy + 13), (acx, 158), (B[0], 158), B)
    text(2, 176, "交流输入", 11)
    text(2, 190, "AC IN", 10)
    text(106, 71, "整流桥", 11)

    # DC- of the bridge down to the return rail (hops over the AC wire)
    X_DCN = 52
    wire(L, (X_DCN, L[1]))
    vwire(X_DCN, L[1], Y_N, hops=[158])

    # DC+ of the bridge up to the positive rail; Rvac is taken off here
    X_DCP = 140
    wire(R, (X_DCP, R[1]))
    line(X_DCP, R[1], X_DCP, Y_P)
    dot(X_DCP, R[1])

    # return rail with current-sense resistor Rs
    X_RSN = 60      # bridge-side end of Rs (sits below ground potential)
    line(X_DCN, Y_N, X_RSN, Y_N)
    resistor((X_RSN, Y_N), (120, Y_N), body=26)
    dot(X_RSN, Y_N)
    text(90, 176, "Rs 0.25Ω", 10, "middle")

    # boost inductor
    X_FFTAP = 200
    line(X_DCP, Y_P, 215, Y_P)
    dot(X_FFTAP, Y_P)
    inductor((215, Y_P), (275, Y_P), n=4)
    text(245, 74, "L 1mH", 10, "middle")

    # switch node, MOSFET, boost diode
    X_Q = 370
    line(275, Y_P, 382, Y_P)
    dot(X_Q, Y_P)
    X_GT = 345
    g = nmos(X_Q, Y_P + 25, Y_N - 25, X_GT)
    line(X_Q, Y_P, X_Q, Y_P + 25)
    line(X_Q, Y_N - 25, X_Q, Y_N)
    dot(X_Q, Y_N)
    label2(338, 121, "Q", "APT5025", "end")
    diode((382, Y_P), (412, Y_P), size=14)
    text(380, 104, "D UHV806", 10, "start")

    # output capacitor, divider, output terminal
    X_CO = 460
    X_DIV = 545
    X_OUT = 668
    line(412, Y_P, X_OUT - 3.2, Y_P)
    dot(X_CO, Y_P)
    capacitor((X_CO, Y_P), (X_CO, Y_N), gap=6, plate=22, polarized=True)
    dot(X_CO, Y_N)
    label2(476, 128, "Co", "450µF")
    dot(X_DIV, Y_P)
    resistor((X_DIV, Y_P), (X_DIV, 135), body=26)
    resistor((X_DIV, 135), (X_DIV, Y_N), body=26)
    dot(X_DIV, 135)
    text(X_DIV + 8, 114, "511k", 10)
    text(X_DIV + 8, 164, "10k", 10)
    terminal(X_OUT, Y_P)
    text(X_OUT + 2, 74, "385V DC", 10, "end")
    text(X_OUT + 2, 103, "输出", 11, "end")

    # return rail (ground side of Rs) to the divider, one ground symbol
    line(120, Y_N, X_DIV, Y_N)
    ground(X_DIV, Y_N, stem=9)
    dot(X_DIV, Y_N)

    # red call-outs of the power stage
    red_box(205, 62, 512, 178)
    red_text(508, 78, "主功率元件计算", "end")
    red_box(70, 166, 112, 193)
    red_text(70, 208, "限流设置")

    # ---------------- controller -------------------------------------------
    emit('<rect x="%d" y="%d" width="%d" height="%d" fill="#ffffff" stroke="%s" stroke-width="1.8"/>'
         % (IC_X1, IC_Y1, IC_X2 - IC_X1, IC_Y2 - IC_Y1, BLACK))
    text((IC_X1 + IC_X2) / 2.0, 322, "PFC 控制器", 12, "middle", weight="bold")
    text((IC_X1 + IC_X2) / 2.0, 338, "(UC3854型)", 11, "middle")

    # left side pins
    Y_VRMS, Y_IAC, Y_VREF, Y_PK, Y_MO, Y_IS, Y_CA = 305, 375, 410, 445, 475, 505, 543
    p_vrms = pin_left(Y_VRMS, 8, "VRMS")
    p_iac = pin_left(Y_IAC, 6, "IAC")
    p_vref = pin_left(Y_VREF, 9, "VREF")
    p_pk = pin_left(Y_PK, 2, "PKLMT")
    p_mo = pin_left(Y_MO, 5, "MULT OUT")
    p_is = pin_left(Y_IS, 4, "ISENSE")
    p_ca = pin_left(Y_CA, 3, "CA OUT")

    # right side pins
    Y_VS, Y_VA, Y_ENA, Y_VCC, Y_SS, Y_RSET, Y_CT, Y_GND = 240, 280, 355, 385, 415, 445, 475, 508
    p_vs = pin_right(Y_VS, 11, "VSENSE")
    p_va = pin_right(Y_VA, 7, "VA OUT")
    p_ena = pin_right(Y_ENA, 10, "ENA")
    p_vcc = pin_right(Y_VCC, 15, "VCC")
    p_ss = pin_right(Y_SS, 13, "SS")
    p_rset = pin_right(Y_RSET, 12, "RSET")
    p_ct = pin_right(Y_CT, 14, "CT")
    p_gnd = pin_right(Y_GND, 1, "GND")

    # top pin: gate drive
    p_gt = pin_top(X_GT, 16, "GT DRV")
    vwire(X_GT, g[1], p_gt[1], hops=[Y_N])
    text(X_GT + 22, 205, "GT Drv", 10, "start")

    # --- IAC: Rvac from the rectified line, Rb1 from VREF ------------------
    X_RVAC = X_DCP
    vwire(X_RVAC, R[1], 240, hops=[Y_N])
    resistor((X_RVAC, 240), (X_RVAC, 290), body=26)
    wire((X_RVAC, 290), (X_RVAC, Y_IAC), p_iac)
    label2(133, 258, "Rvac", "910k", "end")
    red_box(100, 238, 150, 292)
    red_text(72, 310, "前馈乘法器")

    X_B = 280
    dot(X_B, Y_IAC)
    resistor((X_B, Y_IAC), (X_B, Y_VREF), body=22)
    line(X_B, Y_VREF, p_vref[0], Y_VREF)
    dot(X_B, Y_VREF)
    label2(272, 390, "Rb1", "220k", "end")
    red_box(238, 379, 292, 406)
    red_text(235, 398, "乘法器非线校正", "end")

    # --- VRMS: two-pole feed-forward filter ---------------------------------
    X_FF = X_FFTAP
    X_CF = 245
    vwire(X_FF, Y_P, 205, hops=[Y_N])
    resistor((X_FF, 205), (X_FF, 245), body=26)        # Rff1
    dot(X_FF, 245)
    wire((X_FF, 245), (X_CF, 245))
    capacitor((X_CF, 245), (X_CF, 268), gap=5)        # Cff1
    ground(X_CF, 268, stem=2)
    resistor((X_FF, 245), (X_FF, Y_VRMS), body=26)     # Rff2
    dot(X_FF, Y_VRMS)
    line(X_FF, Y_VRMS, p_vrms[0], Y_VRMS)
    dot(X_CF, Y_VRMS)
    capacitor((X_CF, Y_VRMS), (X_CF, 330), gap=5)     # Cff2
    ground(X_CF, 330, stem=2)
    resistor((X_FF, Y_VRMS), (X_FF, 345), body=26)     # Rff3
    ground(X_FF, 345, stem=2)
    label2(193, 218, "Rff1", "910k", "end")
    label2(193, 272, "Rff2", "91k", "end")
    label2(193, 322, "Rff3", "20k", "end")
    label2(X_CF + 12, 254, "Cff1", "0.1µF")
    label2(X_CF + 12, 315, "Cff2", "0.5µF")
    red_box(158, 196, 296, 366)
    red_text(292, 212, "前馈乘方器", "end")

    # --- PKLMT: Rpk1 from VREF, Rpk2 to the bridge side of Rs ------------
    resistor((X_B, Y_VREF), (X_B, Y_PK), body=22)
    dot(X_B, Y_PK)
    label2(272, 425, "Rpk1", "10k", "end")
    wire(p_pk, (X_RSN, Y_PK))
    resistor((78, Y_PK), (132, Y_PK), body=26)
    text(105, 436, "Rpk2 1.6k", 10, "middle")
    red_box(70, 413, 292, 453)
    red_text(190, 435, "限流回路", "middle")

    # Rs- bus (bridge side of Rs) down the left edge
    line(X_RSN, Y_N, X_RSN, Y_MO)
    dot(X_RSN, Y_PK)

    # --- MULT OUT: Rmo to the bridge side of Rs ------------------------------
    wire(p_mo, (X_RSN, Y_MO))
    resistor((135, Y_MO), (195, Y_MO), body=26)
    text(165, 467, "Rmo 4k", 10, "middle")

    # --- ISENSE: Rci to ground, CA compensation ISENSE <-> CA OUT --------
    X_RCI = 75
    wire(p_is, (X_RCI, Y_IS), (X_RCI, 512))
    resistor((X_RCI, 512), (X_RCI, 545), body=24)
    ground(X_RCI, 545, stem=2)
    label2(X_RCI - 8, 524, "Rci", "4k", "end")

    X_CL, X_CR = 110, 280
    Y_B1, Y_B2 = 525, 560
    dot(X_CL, Y_IS)
    line(X_CL, Y_IS, X_CL, Y_B2)
    line(X_CR, Y_B1, X_CR, Y_B2)
    line(p_ca[0], Y_CA, X_CR, Y_CA)
    dot(X_CR, Y_CA)
    resistor((X_CL, Y_B1), (185, Y_B1), body=26)      # zero resistor
    capacitor((185, Y_B1), (X_CR, Y_B1), gap=6, plate=16)   # zero capacitor
    capacitor((X_CL, Y_B2), (X_CR, Y_B2), gap=6, plate=16)  # pole capacitor
    text(147, 519, "24k", 10, "middle")
    text(241, 518, "620pF", 10)
    text(203, 553, "62pF", 10)
    red_box(100, 509, 292, 571)
    red_text(150, 496, "电流补偿环路")

    # --- VSENSE / VA compensation ------------------------------------------
    X_VN, X_VF = 480, 615
    Y_V1, Y_V2 = 255, 300
    wire((X_DIV, 135), (X_VF, 135), (X_VF, Y_V2))
    line(p_vs[0], Y_VS, X_VF, Y_VS)
    dot(X_VF, Y_VS)
    line(p_va[0], Y_VA, X_VN, Y_VA)
    line(X_VN, Y_V1, X_VN, Y_V2)
    dot(X_VN, Y_VA)
    resistor((X_VN, Y_V1), (X_VF, Y_V1), body=26)
    capacitor((X_VN, Y_V2), (X_VF, Y_V2), gap=6, plate=16)
    text((X_VN + X_VF) / 2.0, 271, "180k", 10, "middle")
    text((X_VN + X_VF) / 2.0, 322, "47nF", 10, "middle")
    red_box(470, 247, 626, 328)
    red_text(626, 342, "电压补偿环路", "end")

    # --- ENA, VCC ---------------------------------------------------------
    line(p_ena[0], Y_ENA, 495, Y_ENA)
    terminal(498.2, Y_ENA)
    text(506, Y_ENA + 4, "ENA 使能", 10)
    line(p_vcc[0], Y_VCC, 495, Y_VCC)
    terminal(498.2, Y_VCC)
    text(506, Y_VCC + 4, "VCC", 10)

    # --- SS, RSET, CT, GND --------------------------------------------------
    X_SS, X_RS, X_CT = 672, 610, 555
    wire(p_ss, (X_SS, Y_SS), (X_SS, 470))
    capacitor((X_SS, 470), (X_SS, 496), gap=6)
    ground(X_SS, 496, stem=2)
    label2(X_SS - 12, 480, "Css", "0.01µF", "end")

    wire(p_rset, (X_RS, Y_RSET), (X_RS, 460))
    resistor((X_RS, 460), (X_RS, 494), body=24)
    ground(X_RS, 494, stem=2)
    label2(X_RS - 10, 474, "RSET", "15k", "end")

    wire(p_ct, (X_CT, Y_CT), (X_CT, 484))
    capacitor((X_CT, 484), (X_CT, 506), gap=6)
    ground(X_CT, 506, stem=2)
    label2(X_CT - 12, 492, "CT", "820pF", "end")

    wire(p_gnd, (478, Y_GND))
    ground(478, Y_GND, stem=8)

    red_box(506, 480, 568, 520)
    red_text(490, 536, "振荡定时电容")
    red_box(572, 455, 622, 506)
    red_text(574, 536, "振荡定时电阻")

    # ---------------- bottom strip: general note (not essential) ----------
    ground(186, 590, stem=4)
    text(198, 604, "均为控制地（Rs 的接地端）；导线半圆跨越处不相连。", 11)
    text(184, 604, "注：", 11, "end")


def main():
    path = sys.argv[1] if len(sys.argv) > 1 else os.path.join(
        os.path.dirname(os.path.abspath(__file__)), "schematic.svg")
    draw()
    svg = ('<?xml version="1.0" encoding="UTF-8"?>\n'
           '<svg xmlns="http://www.w3.org/2000/svg" width="%d" height="%d" viewBox="0 0 %d %d">\n'
           '<!-- Boost PFC reference circuit, average-current-mode UC3854-type controller.'
           ' Generated by make_schematic.py; edit the script, not this file. -->\n'
           % (W, H, W, H))
    svg += "\n".join(out) + "\n</svg>\n"
    with open(path, "w", encoding="utf-8") as fh:
        fh.write(svg)


if __name__ == "__main__":
    main()
