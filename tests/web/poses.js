// The capture tool's poses CSV (frame,time,body,x,y,z,qx,qy,qz,qw), read from
// lines of text (a file, or a page's console), and two runs compared.
"use strict";

const kLine = /^(\d+),([-\d.]+),(\w+),([-\d.]+),([-\d.]+),([-\d.]+),([-\d.]+),([-\d.]+),([-\d.]+),([-\d.]+)$/;

// A Map from "frame,body" to { frame, time, body, p: [x, y, z], q: [x, y, z, w] };
// lines that are no pose (the header, other output) are left out.
function parsePoses(lines) {
  const poses = new Map();
  for (const line of lines) {
    const m = kLine.exec(line.trim());
    if (!m) continue;
    const v = m.slice(4).map(Number);
    poses.set(`${m[1]},${m[3]}`, { frame: Number(m[1]), time: Number(m[2]), body: m[3], p: v.slice(0, 3), q: v.slice(3) });
  }
  return poses;
}

// The angle in degrees between two orientations. The CSV's six decimals
// leave a quaternion a little off unit length, which acos would read as an
// angle: both are made unit first.
function degreesBetween(a, b) {
  const length = (q) => Math.hypot(q[0], q[1], q[2], q[3]);
  const dot = Math.abs(a[0] * b[0] + a[1] * b[1] + a[2] * b[2] + a[3] * b[3]) / (length(a) * length(b));
  return (2 * Math.acos(Math.min(1, dot)) * 180) / Math.PI;
}

// Every pose of `expected` must be in `actual` at the same time, within
// `metres` and `degrees`. Resolves to the count compared, the largest
// differences and one line per pose that is off (or missing).
function comparePoses(actual, expected, { metres, degrees }) {
  const result = { compared: 0, largestMetres: 0, largestDegrees: 0, problems: [] };
  if (expected.size === 0) result.problems.push("the native run wrote no poses");
  for (const [key, want] of expected) {
    const got = actual.get(key);
    if (!got) {
      result.problems.push(`no pose of ${want.body} at frame ${want.frame} from the page`);
      continue;
    }
    result.compared += 1;
    const distance = Math.hypot(got.p[0] - want.p[0], got.p[1] - want.p[1], got.p[2] - want.p[2]);
    const angle = degreesBetween(got.q, want.q);
    result.largestMetres = Math.max(result.largestMetres, distance);
    result.largestDegrees = Math.max(result.largestDegrees, angle);
    if (Math.abs(got.time - want.time) > 1e-6)
      result.problems.push(`${want.body} at frame ${want.frame}: time ${got.time}, natively ${want.time}`);
    if (distance > metres || angle > degrees)
      result.problems.push(
        `${want.body} at frame ${want.frame}: ${distance.toExponential(2)} m and ${angle.toExponential(2)} deg ` +
          `from the native pose (page ${got.p.join(" ")}, native ${want.p.join(" ")})`,
      );
  }
  if (actual.size !== expected.size)
    result.problems.push(`the page wrote ${actual.size} poses, the native run ${expected.size}`);
  return result;
}

module.exports = { parsePoses, comparePoses, degreesBetween };
