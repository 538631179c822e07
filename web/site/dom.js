// The page's building blocks: elements, labelled fields and groups. Nothing
// here knows the tool; app.js puts them together from what the core says.

// "Default Setting (&D)": the mnemonic becomes the access key.
export function plain(text) {
  return text.replace(/&(.)/, '$1');
}
export function accessKey(text) {
  const match = /&(.)/.exec(text);
  return match ? match[1].toLowerCase() : '';
}

export function el(tag, attributes = {}, ...children) {
  const node = document.createElement(tag);
  for (const [key, value] of Object.entries(attributes)) {
    if (value === undefined || value === false)
      continue;
    if (key === 'text')
      node.textContent = value;
    else if (key.startsWith('on'))
      node.addEventListener(key.slice(2), value);
    else
      node.setAttribute(key, value === true ? '' : value);
  }
  node.append(...children);
  return node;
}

let uid = 0;
export const nextId = (prefix) => `${prefix}-${++uid}`;

export function section(title, id) {
  const heading = el('h2', {id: `${id}-heading`, text: title});
  return el('section', {class: 'settings-section', id, 'aria-labelledby': heading.id}, heading);
}

export function fieldset(legend, cls = '') {
  return el('fieldset', {class: `group ${cls}`}, el('legend', {text: legend.trim()}));
}

export function textField(labelText, value, onchange, extra = {}) {
  const id = nextId('f');
  const input = el('input', {id, type: extra.password ? 'password' : 'text', autocomplete: 'off',
    spellcheck: 'false', ...extra.attributes});
  input.value = value;
  input.addEventListener('change', () => onchange(input.value));
  const label = el('label', {for: id, class: 'label', text: labelText});
  return {row: el('div', {class: 'field'}, label, input), input, label};
}

export function setVisible(node, visible) {
  node.hidden = !visible;
}

// The core's messages: information goes to the status line, warnings and
// errors to the alert region, each with its cause when it has one.
export function showMessages(messages) {
  for (const message of messages) {
    const line = message.detail ? `${message.text} (${message.detail})` : message.text;
    if (message.icon === 'information') {
      document.getElementById('status').textContent = line;
    } else {
      const item = el('p', {class: `message ${message.icon}`}, line);
      document.getElementById('alerts').append(item);
    }
  }
}

export function clearMessages() {
  document.getElementById('alerts').replaceChildren();
}
