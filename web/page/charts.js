// The page's charts as SVG: the convergence of Gauss-Seidel and SOR (dx
// against the sweep on a logarithmic axis), the relaxation explorer's sweeps
// against omega, and the comparison's bars on a logarithmic axis. They follow
// the desktop's charts: the same ranges, marks and texts.

const kNamespace = 'http://www.w3.org/2000/svg';
const kColours = ['#209fdf', '#99ca53', '#f6a625', '#6d5fd5', '#bf593e', '#2e8b8b', '#c23d8b', '#777777'];
const kWidth = 640;
const kHeight = 400;
const kPlot = { left: 70, top: 40, right: 150, bottom: 50 };

function svgElement(tag, attributes = {}, text) {
  const made = document.createElementNS(kNamespace, tag);
  for (const [name, value] of Object.entries(attributes)) made.setAttribute(name, value);
  if (text !== undefined) made.textContent = text;
  return made;
}

// The C library's %.0e: one digit, the exponent with a sign and two digits at least.
export function exponentText(value, digits = 0) {
  if (value === 0) return `${(0).toFixed(digits)}e+00`;
  const [mantissa, exponent] = value.toExponential(digits).split('e');
  const power = Number(exponent);
  return `${mantissa}e${power < 0 ? '-' : '+'}${String(Math.abs(power)).padStart(2, '0')}`;
}

// 1, 2 or 5 times a power of ten, so that about eight ticks span `extent`.
function tickInterval(extent) {
  const rough = Math.max(1, extent / 8);
  const decade = 10 ** Math.floor(Math.log10(rough));
  for (const factor of [1, 2, 5]) if (factor * decade >= rough) return factor * decade;
  return 10 * decade;
}

// Round ticks for a linear axis from `low` to `high`.
function niceTicks(low, high, count = 6) {
  const extent = high - low || 1;
  const rough = extent / count;
  const decade = 10 ** Math.floor(Math.log10(rough));
  const step = [1, 2, 2.5, 5, 10].map((f) => f * decade).find((s) => s >= rough);
  const ticks = [];
  for (let t = Math.ceil(low / step) * step; t <= high + step * 1e-9; t += step) ticks.push(Number(t.toPrecision(12)));
  return { ticks, step };
}

class Frame {
  constructor(title, legendBelow = false) {
    this.svg = svgElement('svg', { viewBox: `0 0 ${kWidth} ${kHeight}`, class: 'chart', role: 'img' });
    this.plot = { ...kPlot };
    if (legendBelow) Object.assign(this.plot, { right: 30, bottom: 80 });
    this.svg.append(svgElement('text', { x: kWidth / 2, y: 22, class: 'chart-title', 'text-anchor': 'middle' }, title));
    this.legend = [];
    this.legendBelow = legendBelow;
    this.content = svgElement('g', { class: 'plot-area' });
  }

  get inner() {
    return { x0: this.plot.left, x1: kWidth - this.plot.right, y0: kHeight - this.plot.bottom, y1: this.plot.top };
  }

  axes(xTicks, xLabel, yTicks, yLabel) {
    const { x0, x1, y0, y1 } = this.inner;
    const g = svgElement('g', { class: 'axes' });
    g.append(svgElement('rect', { x: x0, y: y1, width: x1 - x0, height: y0 - y1, class: 'plot-frame' }));
    for (const { at, text } of xTicks) {
      g.append(svgElement('line', { x1: at, x2: at, y1: y1, y2: y0, class: 'grid' }));
      g.append(svgElement('text', { x: at, y: y0 + 16, 'text-anchor': 'middle', class: 'tick' }, text));
    }
    for (const { at, text } of yTicks) {
      g.append(svgElement('line', { x1: x0, x2: x1, y1: at, y2: at, class: 'grid' }));
      g.append(svgElement('text', { x: x0 - 6, y: at + 4, 'text-anchor': 'end', class: 'tick' }, text));
    }
    g.append(svgElement('text', { x: (x0 + x1) / 2, y: y0 + 36, 'text-anchor': 'middle', class: 'axis-title' }, xLabel));
    g.append(svgElement('text', {
      x: 16, y: (y0 + y1) / 2, 'text-anchor': 'middle', class: 'axis-title',
      transform: `rotate(-90 16 ${(y0 + y1) / 2})`,
    }, yLabel));
    this.svg.append(g, this.content);
  }

  line(points, colour, { dashed = false, dots = true, name } = {}) {
    if (points.length > 0) {
      this.content.append(svgElement('polyline', {
        points: points.map(([x, y]) => `${x},${y}`).join(' '), fill: 'none', stroke: colour,
        'stroke-width': dashed ? 1.5 : 2, 'stroke-dasharray': dashed ? '6 4' : 'none', class: 'series',
        'data-name': name || '',
      }));
    }
    if (dots) for (const [x, y] of points) this.content.append(svgElement('circle', { cx: x, cy: y, r: 3, fill: colour }));
  }

  marker([x, y], colour, { square = false, size = 9, label, className = 'marker' } = {}) {
    const half = size / 2;
    this.content.append(square
      ? svgElement('rect', { x: x - half, y: y - half, width: size, height: size, fill: colour, class: className })
      : svgElement('circle', { cx: x, cy: y, r: half, fill: colour, class: className }));
    if (label) this.content.append(svgElement('text', { x: x + half + 3, y: y - half - 2, class: 'point-label' }, label));
  }

  ring([x, y], colour) {
    this.content.append(svgElement('circle', { cx: x, cy: y, r: 9, fill: 'none', stroke: colour, 'stroke-width': 2, class: 'past-growth' }));
  }

  addLegend(name, colour, dashed = false) { this.legend.push({ name, colour, dashed }); }

  finish() {
    const g = svgElement('g', { class: 'legend' });
    this.legend.forEach(({ name, colour, dashed }, k) => {
      const x = this.legendBelow ? this.plot.left + k * 190 : kWidth - this.plot.right + 16;
      const y = this.legendBelow ? kHeight - 22 : this.plot.top + 10 + k * 20;
      g.append(svgElement('line', { x1: x, x2: x + 22, y1: y, y2: y, stroke: colour, 'stroke-width': 3, 'stroke-dasharray': dashed ? '6 4' : 'none' }));
      g.append(svgElement('text', { x: x + 28, y: y + 4, class: 'legend-text' }, name));
    });
    this.svg.append(g);
    return this.svg;
  }
}

function logScale(low, high, y0, y1) {
  const a = Math.log10(low);
  const b = Math.log10(high);
  return (value) => y0 + ((Math.log10(value) - a) / (b - a)) * (y1 - y0);
}

function linearScale(low, high, p0, p1) {
  return (value) => p0 + ((value - low) / (high - low || 1)) * (p1 - p0);
}

function decadeTicks(low, high, scale) {
  const ticks = [];
  for (let power = Math.round(Math.log10(low)); power <= Math.round(Math.log10(high)); power += 1) {
    ticks.push({ at: scale(10 ** power), text: exponentText(10 ** power) });
  }
  return ticks;
}

const onLogarithmicAxis = (value) => Number.isFinite(value) && value > 0;

// The convergence chart: `sides` holds each right-hand side's dx (numbers, or
// the words Infinity and NaN) and how its sweeps ended.
export function convergenceChart({ sides, eps, texts }) {
  const values = sides.map((side) => side.dx.map(Number));
  const epsilon = Number(eps);
  let low = Infinity;
  let high = 0;
  for (const value of [epsilon, ...values.flat()]) {
    if (!onLogarithmicAxis(value)) continue;
    low = Math.min(low, value);
    high = Math.max(high, value);
  }
  let range = { low: 0.1, high: 10 };
  if (high > 0) {
    range = { low: 10 ** Math.floor(Math.log10(low)), high: 10 ** Math.ceil(Math.log10(high)) };
    if (range.low >= range.high) range.high = range.low * 10;
  }
  const sweeps = Math.max(1, ...values.map((dx) => dx.length));
  const lastSweep = Math.max(sweeps, 2);
  const frame = new Frame(texts.windowTitle);
  const { x0, x1, y0, y1 } = frame.inner;
  const x = linearScale(1, lastSweep, x0, x1);
  const y = logScale(range.low, range.high, y0, y1);
  const interval = tickInterval(lastSweep);
  const xTicks = [];
  for (let t = interval; t <= lastSweep; t += interval) xTicks.push({ at: x(t), text: String(t) });
  if (interval > 1) xTicks.unshift({ at: x(1), text: '1' });
  frame.axes(xTicks, texts.sweepAxis, decadeTicks(range.low, range.high, y), texts.differenceAxis);
  const shownAt = (dx) => {
    if (onLogarithmicAxis(dx)) return dx;
    return Number.isNaN(dx) || !Number.isFinite(dx) ? range.high : range.low;
  };
  values.forEach((dx, k) => {
    const colour = kColours[k % kColours.length];
    const name = `b${k + 1}`;
    frame.line(dx.map((value, s) => [s + 1, value]).filter(([, value]) => onLogarithmicAxis(value)).map(([s, value]) => [x(s), y(value)]), colour, { name });
    frame.addLegend(name, colour);
    dx.forEach((value, s) => {
      if (onLogarithmicAxis(value)) return;
      const above = shownAt(value) === range.high;
      frame.marker([x(s + 1), y(shownAt(value))], colour, { label: above ? texts.notShownAbove : texts.notShownBelow, className: 'edge-marker' });
    });
    const side = sides[k];
    if (side.end && dx.length > 0) {
      frame.marker([x(dx.length), y(shownAt(dx[dx.length - 1]))], colour, { square: true, size: 13, label: side.end, className: 'end-marker' });
    }
  });
  if (onLogarithmicAxis(epsilon)) {
    frame.line([[x(1), y(epsilon)], [x(lastSweep), y(epsilon)]], '#555555', { dashed: true, dots: false, name: texts.epsLine });
    frame.addLegend(texts.epsLine, '#555555', true);
  }
  return frame.finish();
}

// The explorer's chart: sweeps against omega, the best omega marked.
export function omegaChart(rows, best, texts) {
  let low = 0;
  let high = 2;
  if (rows.length > 0) {
    const omegas = rows.map((row) => row.omega);
    const first = Math.min(...omegas);
    const last = Math.max(...omegas);
    const margin = Math.max(0.05, (last - first) * 0.05);
    low = first - margin;
    high = last + margin;
  }
  const most = Math.max(1, ...rows.map((row) => row.sweeps));
  const yTicks = niceTicks(0, most * 1.1, 6);
  const top = Math.max(yTicks.ticks[yTicks.ticks.length - 1], most * 1.1);
  const frame = new Frame(texts.windowTitle, true);
  const { x0, x1, y0, y1 } = frame.inner;
  const x = linearScale(low, high, x0, x1);
  const y = linearScale(0, top, y0, y1);
  const xTicks = niceTicks(low, high, 8).ticks.map((t) => ({ at: x(t), text: String(Number(t.toFixed(4))) }));
  frame.axes(xTicks, texts.omegaAxis, yTicks.ticks.map((t) => ({ at: y(t), text: String(Math.round(t)) })), texts.sweepAxis);
  const converged = rows.filter((row) => row.converged);
  frame.line(converged.map((row) => [x(row.omega), y(row.sweeps)]), kColours[0], { name: texts.sweepsSeries });
  frame.addLegend(texts.sweepsSeries, kColours[0]);
  for (const row of rows.filter((r) => !r.converged)) frame.marker([x(row.omega), y(row.sweeps)], kColours[4], { size: 8, className: 'not-converged' });
  frame.addLegend(texts.notConvergedSeries, kColours[4]);
  // A ring around the rows that went past the growth test: not what a SOLVE reports.
  const past = rows.filter((row) => row.pastGrowth);
  for (const row of past) frame.ring([x(row.omega), y(row.sweeps)], kColours[6]);
  if (past.length > 0) frame.addLegend(texts.pastGrowthSeries, kColours[6]);
  if (best !== null) {
    const row = rows.find((r) => r.omegaText === best);
    if (row) frame.marker([x(row.omega), y(row.sweeps)], kColours[2], { square: true, size: 14, label: `ω = ${best}`, className: 'best-marker' });
    frame.addLegend(`${texts.bestSeries} = ${best}`, kColours[2]);
  } else {
    frame.addLegend(texts.bestSeries, kColours[2]);
  }
  return frame.finish();
}

// The comparison's bars on a logarithmic axis: a value of 0 stands at the
// foot, a decade below the smallest value above 0.
export function comparisonChart(rows, texts) {
  const shown = rows.map((row) => ({ category: row.category, value: row.value === null ? null : Number(row.value) }))
    .filter((row) => row.value !== null && Number.isFinite(row.value));
  let smallest = 0;
  for (const { value } of shown) if (value > 0 && (smallest === 0 || value < smallest)) smallest = value;
  const foot = smallest > 0 ? 10 ** (Math.floor(Math.log10(smallest)) - 1) : 1e-8;
  let top = foot * 10;
  for (const { value } of shown) top = Math.max(top, value);
  const ceiling = 10 ** (Math.ceil(Math.log10(top)) + 0.5);
  let title = texts.axis;
  if (shown.some(({ value }) => value === 0)) title += ` (${texts.zeroNote})`;
  const frame = new Frame(title);
  frame.plot.right = 30;
  const { x0, x1, y0, y1 } = frame.inner;
  const y = logScale(foot, ceiling, y0, y1);
  const band = (x1 - x0) / Math.max(shown.length, 1);
  const xTicks = shown.map((row, k) => ({ at: x0 + band * (k + 0.5), text: row.category }));
  frame.axes(xTicks, '', decadeTicks(foot, 10 ** Math.floor(Math.log10(ceiling)), y), '');
  shown.forEach((row, k) => {
    const top = y(Math.max(row.value, foot));
    frame.content.append(svgElement('rect', {
      x: x0 + band * (k + 0.2), y: top, width: band * 0.6, height: Math.max(0, y0 - top), fill: kColours[0], class: 'bar',
    }));
  });
  return frame.finish();
}
