// Windows built from the program's dialog templates: every control at its
// place in dialog units, as the desktop lays them out. A dialog unit is a
// quarter of the font's average character width across and an eighth of its
// line height down; the whole window grows when a text it may show (in
// either language) would not fit, so that no caption is cut.

const kLineUnits = 8;
const kMargin = 6;  // px beside a framed text

let measurer = null;
function textWidth(text, font) {
  measurer = measurer || document.createElement('canvas').getContext('2d');
  measurer.font = font;
  return measurer.measureText(text).width;
}

function widestLine(lines, font) { return Math.max(0, ...lines.map((line) => textWidth(line, font))); }

// The text broken at blanks into lines no wider than `width`.
export function wrapped(text, width, font) {
  const lines = [];
  let line = '';
  for (const word of text.split(' ').filter(Boolean)) {
    const candidate = line ? `${line} ${word}` : word;
    if (line && textWidth(candidate, font) > width) {
      lines.push(line);
      line = word;
    } else {
      line = candidate;
    }
  }
  if (line) lines.push(line);
  return lines;
}

// The narrowest width at which the text wraps onto at most `count` lines.
function narrowestWrap(text, count, font) {
  let low = Math.ceil(widestLine(text.split(' ').filter(Boolean), font));
  let high = Math.max(low, Math.ceil(textWidth(text, font)));
  while (low < high) {
    const middle = Math.floor((low + high) / 2);
    if (wrapped(text, middle, font).length <= count) high = middle;
    else low = middle + 1;
  }
  return low;
}

function captionLines(control) { return Math.max(1, Math.floor(control.height / kLineUnits)); }

// The room in px a control needs for these texts.
function roomFor(control, texts, font, lineHeight) {
  const text = texts[0] || '';
  const lines = text.split('\n');
  switch (control.kind) {
    case 'ListBox':
      return { width: widestLine(texts, font) + 12 + kMargin, height: texts.length * (lineHeight + 2) + 4 };
    case 'PushButton': case 'FlatPushButton': case 'DefaultPushButton': case 'PushLikeRadioButton':
      return { width: textWidth(text, font) + 2 * textWidth('x', font) + 8, height: lineHeight + 6 };
    case 'RadioButton': case 'CheckBox': {
      const width = narrowestWrap(text, captionLines(control), font);
      return { width: width + 22 + kMargin, height: wrapped(text, width, font).length * lineHeight };
    }
    case 'GroupBox':
      return { width: textWidth(text, font) + 2 * textWidth('x', font), height: lineHeight };
    case 'TextLines':
      return { width: widestLine(lines, font) + 2, height: lines.length * lineHeight + 2 };
    case 'Label': case 'SunkenLabel': case 'CentredSunkenLabel': case 'RightAlignedLabel': {
      const width = narrowestWrap(text, captionLines(control), font);
      const framed = control.kind.includes('Sunken');
      return { width: width + (framed ? 4 + kMargin : 0), height: wrapped(text, width, font).length * lineHeight + (framed ? 4 : 0) };
    }
    default: return { width: 0, height: 0 };
  }
}

// The px of a dialog unit for a template and the texts its controls may show.
function unitsFor(template, contents, font, lineHeight) {
  const letters = textWidth('ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz', font);
  let across = Math.floor((Math.floor(letters / 26) + 1) / 2);
  let down = lineHeight;
  const byId = new Map(template.controls.map((control) => [control.id, control]));
  const needs = template.controls.filter((c) => c.text && c.kind !== 'HiddenPushButton').map((c) => [c, [c.text]]);
  for (const content of contents) if (byId.has(content.id)) needs.push([byId.get(content.id), content.texts]);
  for (const [control, texts] of needs) {
    const room = roomFor(control, texts, font, lineHeight);
    if (control.width > 0) across = Math.max(across, (room.width * 4) / control.width);
    if (control.height > 0) down = Math.max(down, (room.height * 8) / control.height);
  }
  return { x: (units) => Math.round((units * across) / 4), y: (units) => Math.round((units * down) / 8) };
}

export function element(tag, className, text) {
  const made = document.createElement(tag);
  if (className) made.className = className;
  if (text !== undefined) made.textContent = text;
  return made;
}

// A window's controls from its template, in `body`; returns them by id with
// the size of the whole.
export function buildTemplate(template, contents, body, font, lineHeight) {
  const units = unitsFor(template, contents, font, lineHeight);
  const controls = new Map();
  body.style.width = `${units.x(template.width)}px`;
  body.style.height = `${units.y(template.height)}px`;
  body.style.font = font;
  const groupOf = new Map();
  template.radioGroups.forEach((group, index) => group.forEach((id) => groupOf.set(id, index)));
  for (const source of template.controls) {
    const control = makeControl(source, groupOf.get(source.id), template.id);
    Object.assign(control.root.style, {
      left: `${units.x(source.x)}px`, top: `${units.y(source.y)}px`,
      width: `${units.x(source.width)}px`, height: `${units.y(source.height)}px`,
    });
    control.root.classList.add('control', `kind-${source.kind}`);
    if (source.id >= 0) control.root.dataset.id = source.id;
    control.setText(source.text);
    body.append(control.root);
    if (source.id >= 0) controls.set(source.id, control);
  }
  return controls;
}

// One control: its element and how its text, state and entries are set.
function makeControl(source, group, dialogId) {
  const control = { source, root: null, input: null, setText() {}, text: () => '' };
  const kind = source.kind;
  if (kind === 'RadioButton' || kind === 'CheckBox') {
    const root = element('label');
    const input = element('input');
    input.type = kind === 'CheckBox' ? 'checkbox' : 'radio';
    if (group !== undefined) input.name = `group-${dialogId}-${group}`;
    const caption = element('span');
    root.append(input, caption);
    Object.assign(control, { root, input, setText: (text) => { caption.textContent = text; }, text: () => caption.textContent });
  } else if (kind.endsWith('PushButton') || kind === 'PushLikeRadioButton') {
    const root = element('button');
    root.type = 'button';
    if (kind === 'PushLikeRadioButton') root.setAttribute('aria-pressed', 'false');
    if (kind === 'HiddenPushButton') root.hidden = true;
    Object.assign(control, { root, input: root, setText: (text) => { root.textContent = text; }, text: () => root.textContent });
  } else if (kind === 'GroupBox') {
    const root = element('div');
    const title = element('span', 'group-title');
    root.append(title);
    Object.assign(control, { root, setText: (text) => { title.textContent = text; title.hidden = !text; }, text: () => title.textContent });
  } else if (kind === 'ListBox') {
    const root = element('select');
    root.size = 2;
    Object.assign(control, { root, input: root });
  } else if (kind === 'Edit' || kind === 'ReadOnlyEdit') {
    const root = element('input');
    root.type = 'text';
    root.readOnly = kind === 'ReadOnlyEdit';
    root.spellcheck = false;
    Object.assign(control, { root, input: root, setText: (text) => { root.value = text; }, text: () => root.value });
  } else if (kind === 'ReadOnlyTextPanel') {
    const root = element('textarea');
    root.readOnly = true;
    root.wrap = 'off';
    Object.assign(control, { root, input: root, setText: (text) => { root.value = text; }, text: () => root.value });
  } else if (kind === 'Icon') {
    const root = element('img');
    root.src = 'corvane.svg';
    root.alt = '';
    Object.assign(control, { root });
  } else {
    const root = element('div');
    Object.assign(control, { root, setText: (text) => { root.textContent = text; }, text: () => root.textContent });
  }
  return control;
}

// The main dialog: the controls as the controller sets them, and each user
// action sent to the controller with the control's new state.
export class MainDialog {
  constructor(body, send) {
    this.body = body;
    this.send = send;
    this.controls = new Map();
    this.groups = [];
    this.closeIds = new Set();
  }

  build(layouts, font, lineHeight, closeIds) {
    const template = layouts.main;
    this.closeIds = new Set(closeIds);
    this.groups = template.radioGroups;
    this.controls = buildTemplate(template, layouts.contents, this.body, font, lineHeight);
    for (const [id, control] of this.controls) this.listen(id, control);
  }

  groupOf(id) { return this.groups.find((group) => group.includes(id)); }

  listen(id, control) {
    const kind = control.source.kind;
    if (kind === 'RadioButton' || kind === 'CheckBox') {
      control.input.addEventListener('click', () => {
        const ids = kind === 'RadioButton' ? this.groupOf(id) || [id] : [id];
        const checked = Object.fromEntries(ids.map((member) => [member, this.controls.get(member).input.checked]));
        this.send({ kind: 'control', id, checked });
      });
    } else if (kind === 'PushLikeRadioButton') {
      control.root.addEventListener('click', () => {
        const ids = this.groupOf(id) || [id];
        ids.forEach((member) => this.setChecked(member, member === id));
        this.send({ kind: 'control', id, checked: Object.fromEntries(ids.map((member) => [member, member === id])) });
      });
    } else if (kind.endsWith('PushButton')) {
      control.root.addEventListener('click', () => {
        if (this.closeIds.has(id)) this.onClose();
        else this.send({ kind: 'control', id });
      });
    } else if (kind === 'ListBox') {
      control.root.addEventListener('change', () => this.send({ kind: 'control', id, selection: control.root.selectedIndex + 1 }));
    } else if (kind === 'Edit') {
      control.root.addEventListener('input', () => this.send({ kind: 'control', id, text: control.root.value }));
    }
  }

  onClose() {}

  control(id) { return this.controls.get(id); }

  setText(id, text) { this.control(id)?.setText(text); }

  setChecked(id, on) {
    const control = this.control(id);
    if (!control) return;
    if (control.source.kind === 'PushLikeRadioButton') control.root.setAttribute('aria-pressed', String(on));
    else if (control.input) control.input.checked = on;
  }

  isChecked(id) {
    const control = this.control(id);
    if (!control) return false;
    if (control.source.kind === 'PushLikeRadioButton') return control.root.getAttribute('aria-pressed') === 'true';
    return Boolean(control.input && control.input.checked);
  }

  setEnabled(id, on) {
    const control = this.control(id);
    if (!control) return;
    if (control.input) control.input.disabled = !on;
    control.root.classList.toggle('disabled', !on);
  }

  setEntries(id, entries, selection) {
    const list = this.control(id)?.root;
    if (!list) return;
    const selected = selection !== undefined ? selection - 1 : list.selectedIndex;
    list.replaceChildren(...entries.map((entry) => element('option', '', entry)));
    list.selectedIndex = selected < entries.length ? selected : -1;
  }

  setSelection(id, index) {
    const list = this.control(id)?.root;
    if (list) list.selectedIndex = index - 1;
  }

  apply(change) {
    switch (change.op) {
      case 'text': this.setText(change.id, change.text); break;
      case 'checked': this.setChecked(change.id, change.on); break;
      case 'enabled': this.setEnabled(change.id, change.on); break;
      case 'entries': this.setEntries(change.id, change.entries, change.selection); break;
      case 'selection': this.setSelection(change.id, change.selection); break;
      default: break;
    }
  }
}
