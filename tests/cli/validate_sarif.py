"""Validates SARIF logs against the SARIF 2.1.0 JSON schema.

usage: validate_sarif.py SCHEMA LOG...   (exit 0 when every log is valid)
"""
import json
import sys

import jsonschema


def main():
    with open(sys.argv[1], encoding="utf-8") as f:
        schema = json.load(f)
    validator = jsonschema.Draft4Validator(schema)
    faults = 0
    for name in sys.argv[2:]:
        with open(name, encoding="utf-8") as f:
            log = json.load(f)
        for error in validator.iter_errors(log):
            faults += 1
            path = "/".join(str(p) for p in error.absolute_path)
            print(f"{name}: {path}: {error.message}")
    return 1 if faults else 0


if __name__ == "__main__":
    sys.exit(main())
