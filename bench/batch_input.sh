#!/bin/sh
# Prints N batch request lines (default 10000) for timing velmora-cli --batch,
# classic lines ("precise": false), as the figures in the README were taken:
#   bench/batch_input.sh 10000 > /tmp/charts.jsonl
#   time build/cli/velmora-cli --batch /tmp/charts.jsonl > /dev/null
n=${1:-10000}
awk -v n="$n" 'BEGIN {
    for (i = 0; i < n; i++) {
        printf "{\"name\":\"chart %s\",\"date\":\"%04d-%02d-%02d\",\"time\":\"%d:%02d\",", \
            "abcdefghijklmnopqrstuvwxyz", 1901 + (i * 37) % 150, 1 + (i * 5) % 12, 1 + (i * 11) % 28, (i * 7) % 24, (i * 13) % 60
        printf "\"lon\":\"%d:%02d%s\",\"lat\":\"%d:%02d%s\",\"zone\":%d,\"dst\":%s,", \
            (i * 29) % 180, (i * 17) % 60, (i % 2 ? "W" : "E"), (i * 23) % 90, (i * 31) % 60, (i % 3 ? "N" : "S"), (i * 19) % 71, (i % 4 ? "false" : "true")
        printf "\"city\":\"City\",\"state\":\"State\",\"country\":\"Country\",\"precise\":false}\n"
    }
}'
