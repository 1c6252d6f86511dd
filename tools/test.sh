#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test headless: widget tests on Qt's offscreen
# platform, tests of the real program on private Xvfb servers that they start themselves.
source "$(dirname "$0")/setup.sh" build run test
ctest --test-dir build --output-on-failure
