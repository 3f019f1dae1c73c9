"""A second, independent implementation of the report, written in Python from the
calculator's documented formulas, used to check kesta-report on many random set-ups.

Python floats are IEEE doubles, math.pow and math.tan call the C library, '%.15G' % x and
round(x, n) are correctly rounded (round is half to even on the exact binary value), so every
line must match the C++ engine digit for digit.
"""
import math

OVERFLOW, DIVZERO, INVALID, MISMATCH = ("Overflow", "Division by zero",
                                        "Invalid procedure call or argument", "Type mismatch")


class Fail(Exception):
    def __init__(self, message):
        super().__init__(message)
        self.message = message


class TooSlow(Exception):
    """The set-up needs more balance-search passes than this oracle is willing to step."""


def fin(r):
    if math.isinf(r):
        raise Fail(OVERFLOW)
    if math.isnan(r):
        raise Fail(INVALID)
    return N(r)


class N(float):
    """A float whose arithmetic raises the report's errors instead of giving inf or nan."""
    def __add__(a, b): return fin(float(a) + float(b))
    def __radd__(a, b): return fin(float(b) + float(a))
    def __sub__(a, b): return fin(float(a) - float(b))
    def __rsub__(a, b): return fin(float(b) - float(a))
    def __mul__(a, b): return fin(float(a) * float(b))
    def __rmul__(a, b): return fin(float(b) * float(a))

    def __truediv__(a, b):
        if float(b) == 0:
            raise Fail(DIVZERO)
        return fin(float(a) / float(b))

    def __rtruediv__(a, b):
        if float(a) == 0:
            raise Fail(DIVZERO)
        return fin(float(b) / float(a))

    def __neg__(a): return N(-float(a))


def pw(x, y):
    x, y = float(x), float(y)
    if x < 0 and math.trunc(y) != y:
        raise Fail(INVALID)
    if x == 0 and y < 0:
        raise Fail(DIVZERO)
    try:
        return fin(math.pow(x, y))
    except OverflowError:
        raise Fail(OVERFLOW)


def tan(x):
    return fin(math.tan(float(x)))


def holds(text):
    t = text.strip(" ")
    i, n = 0, len(t)
    if i < n and t[i] in "+-":
        i += 1
    digits, point = 0, False
    while i < n and (t[i] in "0123456789" or (t[i] == "." and not point)):
        if t[i] == ".":
            point = True
        else:
            digits += 1
        i += 1
    if digits == 0:
        return False
    if i < n and t[i] in "eE":
        i += 1
        if i < n and t[i] in "+-":
            i += 1
        j = i
        while i < n and t[i] in "0123456789":
            i += 1
        if i == j:
            return False
    return i == n


def num(text):
    if not holds(text):
        raise Fail(MISMATCH)
    v = float(text.strip(" "))
    if math.isinf(v):
        raise Fail(OVERFLOW)
    return N(v)


def text(x):
    x = float(x)
    if x == 0:
        return "0"
    return "%.15G" % x


def rounded(x, n):
    return text(round(float(x), n))


# ---- settings ---------------------------------------------------------------------------

KEYS = [("speed", "InArrowSpeed", "T", "0"), ("mass", "InArrowMass", "T", "0"),
        ("massgr", "ArrowMassGr", "O", "True"), ("massg", "ArrowMassGram", "O", "False"),
        ("speedf", "ArrowSpeedFPS", "O", "True"), ("speedm", "ArrowSpeedM", "O", "False"),
        ("length", "InArrowLength", "T", "0"), ("lengthI", "ArrowLengthInInches", "O", "True"),
        ("lengthMM", "ArrowLengthInMM", "O", "False"), ("staticspine", "StaticSpine", "T", "0"),
        ("shaftweight", "GPI", "T", "0"), ("BHW", "BroadheadWeight", "T", "0"),
        ("BHWGr", "BroadheadweightGr", "O", "True"), ("BHWG", "BroadheadweightInG", "O", "False")]
KEYS += [("BH%d" % k, "InBroadhead_%d" % k, "T", "0") for k in range(12)]
KEYS += [("BHI", "BroadheadInch", "O", "True"), ("BHmm", "BroadheadMM", "O", "False"),
         ("Dist12", "Distance", "T", "0"), ("DistY", "DistanceInyards", "O", "True"),
         ("DistM", "DistanceInM", "O", "False"), ("Circ12", "GroupingCirc", "T", "0"),
         ("CircI", "GroupingCircInI", "O", "True"), ("Circmm", "GroupingCircInMM", "O", "False")]
KEYS += [("Safety%d" % k, "Safety_%d" % k, "O", "False") for k in range(5)]
KEYS += [("Imperial", "ChosenImperic", "O", "True"), ("Metric", "ChosenMetric", "O", "False"),
         ("ShaftDia", "ShaftDiameter", "L", "1"), ("inEdge", "inEdge", "T", None),
         ("inCOC", "inCOC", "C", None), ("inTip", "inTip", "T", None),
         ("DrawWeigth", "DrawWeigth", "T", "0")]

GROUPS = [["ChosenImperic", "ChosenMetric"], ["ArrowSpeedFPS", "ArrowSpeedM"],
          ["ArrowMassGr", "ArrowMassGram"], ["ArrowLengthInInches", "ArrowLengthInMM"],
          ["BroadheadInch", "BroadheadMM"], ["BroadheadweightGr", "BroadheadweightInG"],
          ["Safety_%d" % k for k in range(5)], ["DistanceInyards", "DistanceInM"],
          ["GroupingCircInI", "GroupingCircInMM"]]


def truth(t):
    s = t.strip(" ")
    if s.lower() == "true":
        return True
    if s.lower() == "false":
        return False
    if holds(s):
        v = float(s)
        if math.isinf(v):
            return None
        return v != 0
    return None


def whole(t, low, high):
    if not holds(t):
        return None
    v = float(t.strip(" "))
    if math.isinf(v):
        return None
    r = round(v)
    return r if low <= r <= high else None


def load(stored):
    """The form after loading `stored` (key -> text) on top of the window's design state."""
    texts = {"inEdge": "25", "inTip": "60"}
    options = {}
    for g in GROUPS:
        for name in g:
            options[name] = False
        options[g[-1] if len(g) == 5 else g[0]] = True
    form = {"texts": texts, "options": options, "list": -1, "check": 0}
    for key, control, kind, default in KEYS:
        if kind == "T":
            dflt = default if default is not None else texts[control]
            texts[control] = stored.get(key, dflt)
        elif kind == "O":
            value = truth(stored.get(key, default))
            if value is None:
                value = truth(default)
            if value:
                for g in GROUPS:
                    if control in g:
                        for name in g:
                            options[name] = False
            options[control] = value
        elif kind == "L":
            value = whole(stored.get(key, default), -1, 2)
            form["list"] = value if value is not None else int(default)
        else:
            own = str(form["check"])
            value = whole(stored.get(key, own), 0, 1)
            form["check"] = value if value is not None else int(own)
    return form


# ---- the report ---------------------------------------------------------------------------

PI = 3.141592654


def penetration(Ro, mass, speed, sd, area, dx, e1, th, e2):
    if Ro < 2.0:
        return N(0)
    if not dx > 0:
        dx = N(0.001)
    Ro, mass, speed, sd, area, dx, e1, th, e2 = map(N, (Ro, mass, speed, sd, area, dx, e1, th, e2))
    Rn = (Ro / 2.2) * 9.8
    m = (mass * 0.065) / 1000
    v = ((speed * 12) * 2.54) / 100
    dm = (sd * 2.54) / 100
    p = dm * PI
    A = area / 1550.0031
    D = (th * 2.54) / 100
    E1 = e1 * 1.359431604
    E2 = e2 * 1.359431604
    if E1 > 0:
        K = ((pw(v, 2) * m) / 2) - E1
        if K < 0:
            return N(0)
        v = pw((K + K) / m, 0.5)
    q = pw(v, 2)
    x = N(0)
    while q > 1.0 and x < 10.0:
        if x > D + 0.75:
            return N(999)
        if x > D and x > 0.75:
            length = 0.75 - (x - D)
            Rn, A = N(0), N(0)
        elif x > D:
            length = D
            Rn, A = N(0), N(0)
            if E2 > 0:
                K = ((q * m) / 2) - E2
                if K < 0:
                    break
                q = (K + K) / m
                E2 = N(0)
        else:
            length = N(0.75) if x > 0.75 else x
        S = p * length
        P = (1400 * ((pw(dm / 2, 2) * PI) * ((Rn / 10) * 0.5))) * q
        Re = ((dx + length) * (v * 1055)) / 0.0035
        F = ((((S + A) / pw(Re, 0.2)) * 0.02915) * 1055) * q
        a = ((Rn + P) + F) / m
        q = q - ((a + a) * dx)
        if q > 0:
            v = pw(q, 0.5)
        x = x + dx
    if x >= 10.0:
        return N(999)
    return (x * 100) / 2.54


def deflection(B, g, L, S, h, e, V):
    dt = N(0.01) / 1000
    mf = ((B + 40) * 0.065) / 1000
    ms = ((g * L) * 0.065) / 1000
    v = ((V * 12) * 25.4) / 1000
    s = (((N(e) * 2.54) / 100) - ((N(h) * 2.54) / 100)) - (N(3.175) / 100)
    F = (pw(v, 2) * ((ms / 2) + mf)) / (s + s)
    Lm = (L * 2.54) / 100
    mlat = (ms + ms) / 3
    T = (s + s) / v
    if T > 1.0:
        return N(0)
    y0 = N(3.5) / 1000
    k = (pw(N(71.12) / 100, 3) * 8.8) / (((S / 1000) * 2.54) / 100)
    y, u, t = y0, N(0), N(0)
    while True:
        r = y / pw(pw(Lm / 2, 2) - pw(y, 2), 0.5)
        R = ((y - y0) * k) / pw(Lm, 3)
        a = ((F * r) - R) / mlat
        y = ((dt * u) + y) + ((pw(dt, 2) * a) / 2)
        u = (dt * a) + u
        t = dt + t
        if y >= Lm / 2 or t >= T:
            break
    return y * 1000


def foc(L, B, g, limit):
    a = (L / 2) * 25.4
    b = (L - (L / 2)) * 25.4
    passes = 0
    while True:
        passes += 1
        if passes > limit:
            raise TooSlow()
        mR = ((a - 75) * 40) + (a * 10)
        mF = (b * B) + (b * 15)
        gm = g / 25.4
        mR = (((a * 0.5) * a) * gm) + mR
        mF = (((b * 0.5) * b) * gm) + mF
        if mR > mF:
            break
        a = a + 0.01
        b = b - 0.01
        if b < 0:
            break
    Lmm = L * 25.4
    return ((a - (Lmm / 2)) / Lmm) * 100


ANIMALS = [("Black Wildebeest", 120), ("Blesbuck", 70), ("Blue Wildebeest", 220),
           ("Buffalo male", 1000), ("Buffalo female", 650), ("Bushbuck", 65), ("bushpig", 65),
           ("caracal", 8), ("cheetah", 63), ("crocodile", 900), ("Duiker", 12),
           ("Eland bull", 750), ("Eland cow", 460), ("Elephant", 5000), ("Fallow Deer", 68),
           ("fox", 3), ("Oryx", 200), ("Giraffe male", 1500), ("Giraffe female", 850),
           ("Rhebuck", 25), ("Grysbok", 10), ("Hartbees", 165), ("Hippo", 2000),
           ("Hayena", 70), ("Impala female", 40), ("Impala male", 70), ("Jackals", 6),
           ("Klipspringer", 12), ("Kudu female", 150), ("Kudu male", 300), ("Leopard", 82),
           ("Lion", 200), ("Nyala female", 90), ("Nyala male", 130), ("Oribi", 16),
           ("Puku", 65), ("Reedbuck", 60), ("Rhino", 3000),
           ("Roan Antelope/Baster gemsbok", 250), ("Sable Antelope", 200), ("Sitatunga", 70),
           ("Suni", 5), ("Springbuck", 35), ("Steenbuck", 10), ("Tsessebe", 130),
           ("Warthog", 80), ("Waterbuck", 250), ("Zebra", 300)]
LIMITS = [60, 200, 800, 1000, 1500, 5000]
MIN_ARROW = [300, 400, 500, 800, 900, 1000]


def report(form, foc_limit=3_000_000):
    """Returns (lines, error message or None). Raises TooSlow for set-ups it will not step."""
    lines = []
    T = form["texts"]
    O = form["options"]
    try:
        # Setup, from a fresh record (every value 0).
        ms = fps = kg = gr = N(0)
        if holds(T["InArrowSpeed"]):
            v = num(T["InArrowSpeed"])
            ms = ((v * 12) * 2.54) / 100 if O["ArrowSpeedFPS"] else v
            fps = ((ms * 100) / 2.54) / 12
        if holds(T["InArrowMass"]):
            v = num(T["InArrowMass"])
            kg = (v * 0.065) / 1000 if O["ArrowMassGr"] else v / 1000
            gr = (kg * 1000) / 0.065
        H = [N(0)] * 7
        Lb = [N(0)] * 7
        count, area, big = N(0), N(0), N(0)
        for i in range(1, 7):
            ht, lt = T["InBroadhead_%d" % (2 * i - 2)], T["InBroadhead_%d" % (2 * i - 1)]
            if holds(ht) and holds(lt):
                h, l = num(ht), num(lt)
                if O["BroadheadInch"]:
                    H[i], Lb[i] = h, l
                else:
                    H[i], Lb[i] = h / 25.4, l / 25.4
                if H[i] > big:
                    big = H[i]
                area = area + (Lb[i] * H[i])
                count = count + 1
        cd = (big + big) + 0.3
        v = num(T["InArrowLength"])
        length = v if O["ArrowLengthInInches"] else v / 25.4
        shaft = num(T["GPI"]) * length
        v = num(T["BroadheadWeight"])
        bhw = v / 0.065 if O["BroadheadweightInG"] else v
        spine = num(T["StaticSpine"])
    except Fail as f:
        return [], f.message

    def ro():
        sigma = N(0)
        for i in range(1, 7):
            h, l = H[i], Lb[i]
            if h > 0:
                sigma = sigma + (pw(h, 2) / (pw(pw(l, 2) - pw(h, 2), 0.5) + l))
        tE = tan(((num(T["inEdge"]) / 180) * PI) / 2) if holds(T["inEdge"]) else N(1.0)
        tT = tan(((num(T["inTip"]) / 180) * PI) / 2) if holds(T["inTip"]) else N(1.0)
        k = tE if form["check"] == 1 else N(1.0)
        F = pw(N(0.3) / 2, 2) * PI
        return ((tE * sigma) + pw((tT * F) * k, 0.5)) * 44

    add = lines.append
    try:
        if not O["ChosenImperic"]:
            add("Momentum = " + rounded(ms * kg, 2) + " Newton seconds")
            add("Kinetic Energy = " + rounded((pw(ms, 2) * kg) * 0.5, 0) + " Joule")
            add("Ro = " + rounded(ro() / 2.2, 1) + " kg")
            return lines, None
        add("Arrow")
        add("   Speed:  " + rounded(fps, 0) + " fps")
        add("   Mass :  " + rounded(gr, 0) + " grains")
        calc = ((((num(T["GPI"]) * length) + bhw) + 10) + 15) + 40
        add("   (calculated: " + text(calc) + " gr)")
        add("   Momentum        : " + rounded(((gr + gr) * fps) / 450240, 2) + " slug-foot seconds")
        add("   Kinetic Energy  : " + rounded((pw(fps, 2) * gr) / 450240, 1) + " foot-pounds")
        add("")
        add("Broadhead")
        add("   Blade count      : " + text(count))
        add("   Cutting diameter : " + rounded(cd, 2) + " inches")
        Ro = ro()
        add("   Ro               : " + rounded(Ro, 1) + " lbs")
        stp = penetration(Ro, gr, fps, 0.3, area, 0.001, 0, 100, 0)
        add(" Potential Soft Tissue Penetration: " + rounded(stp, 1) + " inch")
        L, S, M, W, B, V = length, spine, gr, shaft, bhw, fps
        add("Dynamic Spine")
        Fc = ((5000000 / (L * S)) * M) / ((((W * L) / 2) + ((B + 15) * L)) + 120)
        add("   Critical load(Fc): " + rounded(Fc, 0) + " lbs")
        add("   Dynamic Buckling Spine: " + rounded((12755 / Fc) / 10, 0) + "0")
        add("   Fc% : " + rounded((Fc / num(T["DrawWeigth"])) * 100, 0) + "%")
        g = num(T["GPI"])
        f = ((((3 / B) + 0.5596) * 6135788) / pw(L, 2)) / pw(g * S, 0.5)
        add("   Frequency : " + rounded(f, 0) + " Hz")
        d = deflection(B, g, L, S, 7.25, 30, V) / 25.4
        add("   Deflection: " + rounded(d, 2) + " inch")
        add("   FOC : " + rounded(foc(L, B, g, foc_limit), 0) + "%")
        pos = form["list"]
        if pos == 0:
            add("Shaft Factor : x1")
        elif pos == 1:
            add("Shaft Factor : x" + text(0.9))
        elif pos == 2:
            add("Shaft Factor : x" + text(0.6))
        total = N(0)
        for i in range(1, 7):
            total = total + H[i]
        total = total / count
        ave = (total + total) + 0.3
        if count == 2:
            add("Blade Count factor: x0.63")
            ave = ave * 0.63
        elif count == 3:
            add("Blade Count factor: x0.83")
            ave = ave * 0.83
        elif count == 4:
            add("Blade Count factor: x0.90")
            ave = ave * 0.9
        add("Average Cutting Diameter(aveCD):" + text(ave) + " inch")
        add("Potential Damage Area: " + rounded(stp * ave, 1) + " sqr.inches")
        add("")
        add("Accuracy")
        gd = num(T["GroupingCirc"]) / 3
        if O["GroupingCircInMM"]:
            gd = gd / 25.4
        add("   Grouping Diameter: " + rounded(gd, 1) + " inch")
        dist = num(T["Distance"])
        if O["DistanceInM"]:
            dist = ((dist * 100) / 2.54) / 36
        ga = gd / dist
        add("   Grouping Angle   : " + rounded(ga, 3) + " inch/yard")
        add("")
        add("Maximum Hunting Distance based on Accuracy")
        st = "100"
        for k, name in enumerate(["0", "25", "50", "75", "100"]):
            if O["Safety_%d" % k]:
                st = name
        add("Safety Factor:" + st + "%")
        ga = ((N(float(st)) / 100) + 1) * ga
        hunting = [N(vd) / ga for vd in (4.5, 8, 11, 11, 11, 11)]
        add("            VD     Max")
        add("Category  (inch)  (yards)")
        prefixes = ["    #1        4.5  ", "    #2        8    ", "    #3       11    ",
                    "    #4       11    ", "    #5       11    ", "    #6       11    "]
        for k in range(6):
            add(prefixes[k] + rounded(hunting[k], 0) + " Y")
        times = [0.15, 0.2, 0.25, 0.3, 0.4]
        dists = [(((V * (N(t) * 1083)) / (1083 - V)) / 3) for t in times]
        add("")
        add("Max distance in Relation to Reaction time and")
        add("Arrow Speed")
        add("            Second    Yards")
        rprefix = ["Category      0.15      ", "    #1        0.2       ", "    #2        0.25      ",
                   "    #3        0.3       ", "    #4+       0.4       "]
        for k in range(5):
            add(rprefix[k] + rounded(dists[k], 0) + " Y")
        add("")
        add("Penetration Ability per category")
        add("   rib breakage:  none     entry   exit    both")
        for i, lim in enumerate(LIMITS, start=1):
            d = pw(lim, 0.4) + 4
            r = 4.5 * pw(lim, 0.25)
            row = "   Category " + str(i) + ":   "
            for e1, e2 in ((0, 0), (r, 0), (0, r), (r, r)):
                res = penetration(Ro, gr, fps, 0.3, area, 0.001, e1, d, e2)
                row += ("     " + rounded(res, 0))[-5:] + "   "
            add(row)
        add("")
        marked = set()
        figures = {}

        def figure(idx):
            if idx not in figures:
                name, m = ANIMALS[idx]
                k = next(c for c, lim in enumerate(LIMITS) if m <= lim)
                d = 8 * pw(m, 0.2) - 8
                r = 4.5 * pw(m, 0.25)
                figures[idx] = (k, d, penetration(Ro, gr, fps, 0.3, area, 0.001, r, d, r))
            return figures[idx]

        def write(entries):
            entries.sort()
            line = "   "
            for e in entries:
                if len(line) > 80:
                    add(line)
                    line = "   "
                line += e[9:].strip(" ") + ",  "
            add(line)

        def entry(idx):
            name, m = ANIMALS[idx]
            return ("%.1f" % m).rjust(8) + ":" + name

        add("Sufficient for:")
        chosen = []
        for idx in range(len(ANIMALS)):
            k, d, p = figure(idx)
            if M >= MIN_ARROW[k] and p > d:
                chosen.append(entry(idx))
                marked.add(idx)
        write(chosen)
        add("")
        add("Marginal for:")
        chosen = []
        for idx in range(len(ANIMALS)):
            if idx in marked:
                continue
            k, d, p = figure(idx)
            if M >= 0.8 * MIN_ARROW[k] and p > d / 2:
                chosen.append(entry(idx))
                marked.add(idx)
        write(chosen)
        add("")
        add("NOT Recomended for:")
        write([entry(i) for i in range(len(ANIMALS)) if i not in marked])
        add("-" * 83)
        add("Disclaimer: Nobody takes responsibility for your actions but you, and this report, althought")
        add("we strive to provide it as reliable as we can, must never replace your judgement...")
        return lines, None
    except Fail as f:
        return lines, f.message
