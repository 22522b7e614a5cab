#!/usr/bin/env python3
"""Fills the parts of docs/performance.md between `<!-- generated: NAME -->` and
`<!-- end generated -->` (the hand-written text around them stays) and draws
docs/performance.png from one run of the benchmarks, checking bench/targets.toml.
usage: report.py RESULTS.json MEMORY.md SCALING.json CORPUS.json LINES.json OUTDIR"""
import json, os, platform, re, statistics, subprocess, sys, tomllib
from collections import defaultdict

OURS = ("IString", "strupr", "strlwr")  # every other implementation is a peer
SIZES = (64, 4096, 1 << 20)
SKIP = ("Memcpy", "AppendByte")  # not shown per operation
GBPS = "{:.2f} GB/s"
SIZE = {64: "64 B", 4096: "4 KiB", 1 << 20: "1 MiB"}
DENSE = ("1 MiB", "16 MiB", "32 MiB")  # the sizes of morvek_scaling's dense table

def load(path):  # op -> impl -> size -> (bytes/s, real time, time unit)
    rows = defaultdict(lambda: defaultdict(dict))
    for b in json.load(open(path))["benchmarks"]:
        parts = b.get("run_name", b["name"]).split("/")
        if (b.get("aggregate_name", "median") == "median" and len(parts) >= 3
                and parts[0].startswith("BM_")):
            rows[parts[0][3:]]["/".join(parts[1:-1])][int(parts[-1])] = (
                b.get("bytes_per_second", 0.0), b["real_time"], b.get("time_unit", "ns"))
    return rows

def ratio(rows, op, impl, size, against):
    """(impl's throughput over that of against: 'best' peer, 'memcpy' or a peer; peer)"""
    ours = rows[op].get(impl, {}).get(size, (0,))[0]
    if against == "best":
        peers = [(v[size][0], k) for k, v in rows[op].items() if k not in OURS and size in v]
        ref, against = max(peers) if peers else (0, None)
    else:
        ref = (rows["Memcpy"]["memcpy"] if against == "memcpy"
               else rows[op].get(against, {})).get(size, (0,))[0]
    return (ours / ref if ours and ref else None), against

def ours(rows):  # (operation, our implementation) in the order of the page
    return [(op, i) for op in sorted(o for o in rows if o not in SKIP) for i in OURS
            if i in rows[op]]

def gbps(rows, op, size):
    return rows[op]["IString"].get(size, (0,))[0] / 1e9 or None

def run(*cmd):
    return subprocess.run(cmd, capture_output=True, text=True).stdout

def table(head, rows):  # columns whose first cell is a number are aligned right
    return ["| " + " | ".join(head) + " |", "|" + "".join(
        "---:|" if re.match(r"[*\d]", str(c)) else "---|" for c in (rows or [head])[0])] + [
        "| " + " | ".join(str(c) for c in r) + " |" for r in rows]

def corpus_ratios(c, backward):  # [(best peer's time over IString's, peer, needle)]
    key = "ns_backward" if backward else "ns"
    best = [min((v, k) for k, v in n[key].items() if k != "IString") for n in c["needles"]]
    return [(t / n[key]["IString"], p, n["needle"]) for (t, p), n in zip(best, c["needles"])]

def corpus_rows(corpus):  # [(corpus, direction, ratios)]
    return [(c, way, corpus_ratios(c, way == "backward"))
            for c in corpus for way in ("forward", "backward")]

def needle(n):
    return "`" + json.dumps(n)[1:-1].replace("`", "\\`") + "`"

def lines_ratios(lines):  # (columns, task -> column -> idiomatic time / IString's);
    # the groups are all lines, then the length classes from the shortest
    cols = [g["name"] for g in lines["groups"]] + ["16 B or more"]
    times = {t["name"]: (t["ns_istring"], t["ns_idiomatic"]) for t in lines["tasks"]}
    return cols, {k: dict(zip(cols, [y / x for x, y in zip(a, b)] + [sum(b[2:]) / sum(a[2:])]))
                  for k, (a, b) in times.items()}

def targets(cfg, rows, scaling, dense, corpus, lines, missed):
    out = ["| target | size | measured | required | holds |", "|---|---:|---:|---:|:---:|"]

    def check(text, size, val, need, why, fmt="{:.2f}x"):
        ok = val is not None and val >= need
        shown, need = fmt.format(val) if val is not None else "n/a", fmt.format(need)
        out.append(f"| {text} | {size} | {shown} | >= {need} | {'yes' if ok else '**no**'} |")
        if not ok:
            missed.append(f"- {text}, {size}: {shown} where >= {need} is required "
                          f"([why](#why-{why}))")

    for t, size in ((t, size) for t in cfg["peer"] for size in cfg["peer_sizes"]):
        val = (gbps(rows, t["op"], size) if "gbps" in t
               else ratio(rows, t["op"], "IString", size, t["peer"])[0])
        check(t["text"], SIZE[size], val, t.get("gbps") or t.get("min") or
              1 / t["time_at_most"], t.get("why", t["op"].lower()),
              GBPS if "gbps" in t else "{:.2f}x")
    p, small = cfg["pathological"], cfg["small"]
    for op in sorted(o for o in rows if o.startswith(p["prefix"])):
        check(f"pathological input {op[len(p['prefix']):]}", "1 MiB", gbps(rows, op, 1 << 20),
              p["gbps"], "pathological", GBPS)
    for op, impl in ours(rows):
        (val, peer), at_most = ratio(rows, op, impl, 64, "best"), small["strict"].get(
            op if impl == "IString" else "", small["time_at_most"])
        if val is not None:
            check(f"{op} ({impl}) at most {at_most:.1f}x the time of the best peer ({peer})",
                  "64 B", val, 1 / at_most, f"{op.lower()}-64")
    ops = [c for c in scaling if c["family"] != "reference"]  # memory slows all alike
    bound = cfg["scaling"]["ratio"] * max(c["ratio"] for c in scaling if c["family"] == "reference")
    check(f"every operation: time per byte at 16 MiB at most {bound:.2f}x that at 1 MiB "
          f"({cfg['scaling']['ratio']}x the slowest reference's)", "1 and 16 MiB",
          sum(c["ratio"] <= bound for c in ops), len(ops), "scaling", f"{{:.0f}} of {len(ops)}")
    for k, size in enumerate(DENSE):  # the slowest form and output at each size
        slow = min(dense, key=lambda d: d["gbps_kept"][k])
        check(f"dense one-character replacement, freed memory kept, at least "
              f"{cfg['dense']['gbps']} GB/s (slowest: {slow['name']})", size,
              slow["gbps_kept"][k], cfg["dense"]["gbps"], "dense", GBPS)
    cols, r, lt = *lines_ratios(lines), cfg["lines"]
    for name, v in r.items():  # cols[0]: all lines; cols[-1]: 16 B or more
        if name not in lt["unbounded"]:
            check(f"line workload: {name}", cols[-1], v[cols[-1]],
                  lt["longer"].get(name, lt["min"]), "lines")
        if name not in lt["not_all"]:
            check(f"line workload: {name}", cols[0], v[cols[0]], lt["min"], "lines")
    check("line workload: median of the tasks", cols[0],
          statistics.median(v[cols[0]] for v in r.values()), lt["median"], "lines")
    for c, way, r in corpus_rows(corpus):
        check(f"corpus {c['name']}, {way}: median ratio to the best peer", "1 MiB",
              statistics.median(x for x, _, _ in r), cfg["corpus"]["median"], "corpus")
        x, peer, n = min(r)
        check(f"corpus {c['name']}, {way}: worst needle ({needle(n)} against {peer})",
              "1 MiB", x, cfg["corpus"]["worst"], "corpus")
    return out

def dense_table(dense):
    return table(["replacement"] + [f"{k} {s}" for k in ("kept", "default") for s in DENSE],
                 [[d["name"]] + [f"{g:.2f}" for g in d["gbps_kept"] + d["gbps_default"]]
                  for d in dense])

def scaling_table(scaling, bound):
    return table(["family", "operation", "ns/byte 1 MiB", "ns/byte 16 MiB", "ratio",
                  "GB/s at 16 MiB"],
                 [[c["family"], c["name"].replace("|", "\\|"), f"{c['ns_per_byte_1m']:.3f}",
                   f"{c['ns_per_byte_16m']:.3f}", ("**{:.2f}**" if c["ratio"] > bound
                                                   else "{:.2f}").format(c["ratio"]),
                   f"{c['gbps_16m']:.2f}"] for c in scaling])

def lines_table(lines):
    c, (cols, r) = lines["corpus"], lines_ratios(lines)
    head = [f"{g['name']} ({g['lines']} lines)" for g in lines["groups"]] + [cols[-1]]
    return [f"{c['files']} files, {c['lines']} lines, {c['bytes'] / 2**20:.1f} MiB, median "
            f"line {c['median_line']} bytes.", ""] + table(
        ["task", "idiomatic code"] + head,
        [[t["name"], f"`{t['idiomatic']}`"] + [f"{r[t['name']][g]:.2f}" for g in cols]
         for t in lines["tasks"]] +
        [["**median**", ""] + [f"{statistics.median(v[g] for v in r.values()):.2f}"
                               for g in cols]])

def corpus_tables(corpus):
    return table(["text", "direction", "needles", "median", "worst needles"],
                 [[c["name"], way, len(rs), f"{statistics.median(x for x, _, _ in rs):.2f}",
                   ", ".join(f"{needle(n)} {x:.2f} ({p})" for x, p, n in sorted(rs)[:3])]
                  for c, way, rs in corpus_rows(corpus)])

def operation_tables(rows):
    out = []
    for op in sorted(o for o in rows if o not in SKIP):
        mine = [i for i in OURS if i in rows[op]]
        impls = mine + sorted(i for i in rows[op] if i not in OURS)
        out += [f"### {op}", ""] + table(
            ["size"] + [f"{i} GB/s" for i in impls] +
            [f"{m} / {x}" for m in mine for x in ("best peer", "memcpy")],
            [[SIZE[s]] + [f"{rows[op][i][s][0] / 1e9:.2f}" if s in rows[op][i] else ""
                               for i in impls] +
             [(f"{r:.2f}" + (f" ({p})" if x == "best" else "")) if r else ""
              for m in mine for x in ("best", "memcpy") for r, p in [ratio(rows, op, m, s, x)]]
             for s in SIZES if any(s in rows[op][i] for i in impls)]) + [""]
    return out

def append_table(rows):
    mine, std = rows["AppendByte"]["IString"], rows["AppendByte"]["std::string"]
    unit = next(iter(mine.values()))[2]
    return table(["appends", f"IString ({unit})", f"std::string ({unit})",
                  "IString / std::string time"],
                 [[n, f"{mine[n][1]:.1f}", f"{std[n][1]:.1f}", f"{mine[n][1] / std[n][1]:.0f}x"]
                  for n in sorted(mine) if n in std])

def chart(rows, path):  # IString's throughput over the fastest peer's, per operation
    import matplotlib.pyplot as plt  # Agg, the default without a display
    bars = ours(rows)
    fig, ax = plt.subplots(figsize=(max(8, 0.5 * len(bars) + 3), 6), layout="tight")
    for k, size in enumerate(SIZES):
        ax.bar([i + (k - 1) * 0.27 for i in range(len(bars))],
               [ratio(rows, op, i, size, "best")[0] or 0 for op, i in bars], 0.27, label=SIZE[size])
    ax.axhline(1.0, color="black", linewidth=0.8)
    ax.set(yscale="log", ylabel="IString throughput / fastest peer (log)", xticks=range(len(bars)),
           title="morvek IString per operation (bars above 1: IString faster)")
    ax.set_xticklabels([op if i == "IString" else f"{op} ({i})" for op, i in bars], rotation=45,
                       ha="right")
    ax.legend()
    fig.savefig(path, dpi=100)

def main():
    results, memory, scaling, corpus, lines, outdir = sys.argv[1:7]
    cfg = tomllib.load(open(os.path.join(os.path.dirname(__file__), "targets.toml"), "rb"))
    rows, context = load(results), json.load(open(results)).get("context", {})
    scaling, corpus = json.load(open(scaling)), json.load(open(corpus))["corpora"]
    scaling, dense = scaling["cases"], scaling["dense"]
    lines, missed = json.load(open(lines)), []
    model = re.search(r"Model name:\s*(.*)", run("lscpu"))
    parts = {
        "run": [f"- Machine: {model.group(1) if model else platform.processor()}, "
                f"{os.cpu_count()} CPUs, Linux {platform.release()}; load average at start "
                + ", ".join(f"{x:.2f}" for x in context.get("load_avg", [])),
                f"- Date: {context.get('date', '?')}",
                f"- Compiler: {run('c++', '--version').partition(chr(10))[0]}"],
        "targets": targets(cfg, rows, scaling, dense, corpus, lines, missed),
        "missed": missed or ["Every target holds in this run."],
        "lines": lines_table(lines),
        "scaling": scaling_table(scaling, cfg["scaling"]["ratio"]),
        "dense": dense_table(dense),
        "corpus": corpus_tables(corpus),
        "operations": operation_tables(rows),
        "append": append_table(rows) if "AppendByte" in rows else [],
        "memory": open(memory).read().strip().split("\n"),
    }
    path = os.path.join(outdir, "performance.md")
    doc = open(path).read()
    for name, out in parts.items():
        doc, n = re.subn(rf"(<!-- generated: {name} -->\n).*?(<!-- end generated -->)",
                         lambda m: m.group(1) + "\n".join(out).strip() + "\n" + m.group(2),
                         doc, flags=re.S)
        if n != 1:
            sys.exit(f"report.py: {path} has no part '{name}' (<!-- generated: {name} -->)")
    for why in set(re.findall(r"\(#why-([\w-]+)\)", "\n".join(missed))) - set(
            re.findall(r'id="why-([\w-]+)"', doc)):
        print(f"report.py: no reason written for a missed target (why-{why})", file=sys.stderr)
    open(path, "w").write(doc)
    chart(rows, os.path.join(outdir, "performance.png"))

if __name__ == "__main__":
    main()
