'use strict';
// Reads a Zelkor log file (the input of an export) into plain values, so that what a reader
// finds in an exported file can be compared with what the log holds. Windows-1252 is read as
// Latin-1: the test logs use no byte between 0x80 and 0x9F.

const fs = require('fs');

const SUMMARY_FIELDS = ['callsign', 'province', 'section', 'category', 'operators', 'name',
    'address1', 'address2', 'address3', 'comment1', 'comment2'];
const QSO_FIELDS = ['date', 'time', 'band', 'mode', 'call', 'rstSent', 'ownProvince', 'rstRcvd',
    'province'];
const SWL_FIELDS = ['date', 'time', 'band', 'mode', 'call', 'rstSent', 'province', 'call2'];

function readZelk(path) {
    const lines = fs.readFileSync(path, 'latin1').split('\r\n');
    if (lines[lines.length - 1] === '') {
        lines.pop();
    }
    const magic = lines.shift();
    if (magic !== 'zelk100;qso' && magic !== 'zelk100;hrd') {
        throw new Error(`${path}: not a log file with a header`);
    }
    const swl = magic.endsWith(';hrd');
    const summary = {};
    SUMMARY_FIELDS.forEach((field) => { summary[field] = lines.shift(); });
    const names = swl ? SWL_FIELDS : QSO_FIELDS;
    const rows = lines.map((line) => {
        const values = line.split('^');
        const row = {};
        names.forEach((name, i) => { row[name] = values[i] ?? ''; });
        return row;
    });
    return { swl, summary, rows };
}

// A reader's module, or exit status 77 (CTest's "skipped") when the set-up has not installed it.
function requireReader(name) {
    try {
        return require(name);
    } catch (error) {
        console.error(`${name} is not installed: run "npm ci --prefix tests/npm"`);
        process.exit(77);
    }
}

// Collects failed comparisons and ends the process with their list.
class Checks {
    constructor(label) {
        this.label = label;
        this.failures = [];
    }

    equal(actual, expected, what) {
        if (actual !== expected) {
            this.failures.push(`${what}: read ${JSON.stringify(actual)}, ` +
                `expected ${JSON.stringify(expected)}`);
        }
    }

    ok(condition, what) {
        if (!condition) {
            this.failures.push(what);
        }
    }

    finish() {
        if (this.failures.length > 0) {
            console.error(`${this.label}:\n  ${this.failures.join('\n  ')}`);
            process.exit(1);
        }
        console.log(`${this.label}: ok`);
    }
}

module.exports = { readZelk, requireReader, Checks };
