"""Prints the median of every Google Benchmark result as 'name: value unit'."""
import json
import sys

STANDARD = {"name", "run_name", "run_type", "repetitions", "threads", "aggregate_name",
            "aggregate_unit", "iterations", "real_time", "cpu_time", "time_unit",
            "family_index", "per_family_instance_index", "repetition_index"}


def fmt(value):
    return f"{value:.3g}" if value < 1000 else f"{value:.0f}"


for path in sys.argv[1:]:
    with open(path, encoding="utf-8") as f:
        data = json.load(f)
    for b in data.get("benchmarks", []):
        if b.get("run_type") == "aggregate" and b.get("aggregate_name") != "median":
            continue
        name = b["run_name"]
        print(f"{name}: {fmt(b['real_time'])} {b['time_unit']}")
        for key, value in b.items():
            if key not in STANDARD and isinstance(value, (int, float)):
                print(f"{name} {key}: {fmt(value)}")
