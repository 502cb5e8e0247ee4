#!/usr/bin/env python3
"""Sums the results of every suite into the closing line `N passed, N failed`.

Arguments: pairs of (ctest JUnit file, folder of GoogleTest XML reports), plus --extra-failed N for
steps that failed before any test could run (a build that broke), plus --skipped-like JUNIT REPORTS for a
suite that could not run on this host: it counts as skipped as many cases as that other run of the same
tests (the other architecture's) counted in all. A ctest test whose program wrote a GoogleTest report
counts its test cases; any other ctest test counts as one."""
import os
import sys
import xml.etree.ElementTree as ET


def gtest_counts(path):
    root = ET.parse(path).getroot()
    passed = failed = skipped = 0
    for case in root.iter("testcase"):
        if case.get("status") == "notrun" or case.get("result") == "skipped" or case.find("skipped") is not None:
            skipped += 1
            continue
        if case.find("failure") is not None or case.find("error") is not None:
            failed += 1
        else:
            passed += 1
    return passed, failed, skipped


def suite_counts(junit, reports):
    """Every case of one suite, without judging it: (passed, failed, skipped); (0, 0, 0) when absent."""
    if not os.path.exists(junit):
        return 0, 0, 0
    passed = failed = skipped = 0
    for case in ET.parse(junit).getroot().iter("testcase"):
        report = os.path.join(reports, case.get("name") + ".xml")
        try:
            p, f, s = gtest_counts(report) if os.path.exists(report) else (1, 0, 0)
        except ET.ParseError:
            p, f, s = 1, 0, 0
        passed, failed, skipped = passed + p, failed + f, skipped + s
    return passed, failed, skipped


def main(argv):
    extra_failed = 0
    pairs = []
    skipped_like = []
    args = list(argv)
    while args:
        a = args.pop(0)
        if a == "--extra-failed":
            extra_failed += int(args.pop(0))
        elif a == "--skipped-like":
            skipped_like.append((args.pop(0), args.pop(0)))
        else:
            pairs.append((a, args.pop(0)))
    passed = failed = skipped = 0
    for junit, reports in skipped_like:
        p, f, s = suite_counts(junit, reports)
        skipped += p + f + s
    for junit, reports in pairs:
        if not os.path.exists(junit):
            print(f"summary: {junit} missing (its suite did not run)")
            failed += 1
            continue
        for case in ET.parse(junit).getroot().iter("testcase"):
            name = case.get("name")
            ctest_failed = case.get("status") == "fail" or case.find("failure") is not None
            if case.get("status") in ("notrun", "disabled") and not ctest_failed:
                continue
            report = os.path.join(reports, name + ".xml")
            if os.path.exists(report):
                try:
                    p, f, s = gtest_counts(report)
                except ET.ParseError:
                    p, f, s = 0, 1, 0
                skipped += s
                if ctest_failed and f == 0:
                    print(f"summary: {name} ended abnormally after its tests")
                    f = 1
                passed += p
                failed += f
            elif ctest_failed:
                failed += 1
            else:
                passed += 1
    failed += extra_failed
    print(f"{passed} passed, {failed} failed" + (f", {skipped} skipped" if skipped else ""))
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
