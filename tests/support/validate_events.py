#!/usr/bin/env python3
"""Checks event lines against docs/events.schema.json: validate_events.py SCHEMA < LINES.

Each line of standard input must be one JSON object valid under the schema. Prints one line per
event that is not, and exits 1 if any is not (0 when all are, 2 when the schema itself is bad).
"""
import json
import sys

import jsonschema


def main():
    with open(sys.argv[1], encoding="utf-8") as f:
        schema = json.load(f)
    try:
        jsonschema.Draft202012Validator.check_schema(schema)
    except jsonschema.SchemaError as e:
        print(f"the schema is not valid: {e.message}")
        return 2
    validator = jsonschema.Draft202012Validator(schema)
    bad = 0
    lines = sys.stdin.buffer.read().decode("utf-8").split("\n")
    if lines and lines[-1] == "":
        lines.pop()
    for number, line in enumerate(lines, 1):
        try:
            event = json.loads(line)
        except ValueError as e:
            print(f"line {number}: not JSON ({e}): {line}")
            bad += 1
            continue
        error = jsonschema.exceptions.best_match(validator.iter_errors(event))
        if error is not None:
            print(f"line {number}: {error.message}: {line}")
            bad += 1
    return 1 if bad else 0


if __name__ == "__main__":
    sys.exit(main())
