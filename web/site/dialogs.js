// Modal boxes: the settings dialogs built from a program's templates, message boxes, the
// name asked for a save and the page's own forms of labelled choices. Each resolves once closed.

import { t } from './texts.js';

let boxes = 0;  // for the ids that name each box by its caption

// Labelled by its caption; showModal keeps the focus inside the box and the page inert
// until it closes.
function modal(caption, build) {
  return new Promise((resolve) => {
    const dialog = document.createElement('dialog');
    dialog.className = 'box';
    const form = document.createElement('form');
    form.method = 'dialog';
    const title = document.createElement('h2');
    title.textContent = caption;
    title.id = `box-${++boxes}`;
    dialog.setAttribute('aria-labelledby', title.id);
    form.append(title);
    dialog.append(form);
    const finish = build(form, (value) => {
      dialog.close();
      resolve(value);
    });
    document.body.append(dialog);
    dialog.addEventListener('cancel', (event) => {
      event.preventDefault();
      finish(false);
    });
    dialog.addEventListener('close', () => dialog.remove());
    // Tab goes round the box's own fields and buttons, never out to the page behind.
    dialog.addEventListener('keydown', (event) => {
      if (event.key !== 'Tab') return;
      const stops = [...dialog.querySelectorAll('input, select, button')];
      const at = stops.indexOf(document.activeElement);
      const next = event.shiftKey ? (at <= 0 ? stops.length - 1 : at - 1) : (at + 1) % stops.length;
      event.preventDefault();
      stops[next].focus();
    });
    dialog.showModal();
    (dialog.querySelector('input') ?? dialog.querySelector('button.default'))?.focus();
  });
}

function buttons(form, okText, cancelText, done) {
  const row = document.createElement('div');
  row.className = 'buttons';
  const ok = document.createElement('button');
  ok.type = 'submit';
  ok.className = 'default';
  ok.textContent = okText;
  row.append(ok);
  if (cancelText) {
    const cancel = document.createElement('button');
    cancel.type = 'button';
    cancel.className = 'cancel';
    cancel.textContent = cancelText;
    cancel.addEventListener('click', () => done(false));
    row.append(cancel);
  }
  form.append(row);
  form.addEventListener('submit', (event) => {
    event.preventDefault();
    done(true);
  });
}

// A settings dialog: the labels and the edit boxes in template order, the values shown as
// the engine formats them. Resolves with the edits' texts after OK, null after Cancel.
export function settingsDialog(template, texts) {
  return modal(template.caption, (form, close) => {
    const controls = template.controls;
    const group = controls.find((c) => c.kind === 'group');
    const fields = document.createElement('fieldset');
    if (group) {
      const legend = document.createElement('legend');
      legend.textContent = group.text;
      fields.append(legend);
    }
    const edits = controls.filter((c) => c.kind === 'edit').sort((a, b) => a.id - b.id);
    const labels = controls.filter((c) => c.kind === 'static').sort((a, b) => a.id - b.id);
    const inputs = edits.map((edit, i) => {
      const label = document.createElement('label');
      const span = document.createElement('span');
      span.textContent = labels[i]?.text ?? '';
      const input = document.createElement('input');
      input.type = 'text';
      input.name = `edit${edit.id}`;
      input.value = texts[i] ?? '';
      input.autocomplete = 'off';
      input.spellcheck = false;
      label.append(span, input);
      fields.append(label);
      return input;
    });
    form.append(fields);
    const ok = controls.find((c) => c.id === 1)?.text ?? 'OK';
    const cancel = controls.find((c) => c.id === 2)?.text ?? 'Cancel';
    const done = (accepted) => close(accepted ? inputs.map((i) => i.value) : null);
    buttons(form, ok, cancel, done);
    return done;
  });
}

export function messageBox(caption, text, kind = '') {
  return modal(caption, (form, close) => {
    const p = document.createElement('p');
    p.className = `message ${kind}`;
    p.textContent = text;
    p.id = `${form.querySelector('h2').id}-text`;
    form.closest('dialog')?.setAttribute('aria-describedby', p.id);
    form.append(p);
    buttons(form, 'OK', null, () => close(true));
    return () => close(true);
  });
}

// The name a save goes to; resolves with it, or null when cancelled.
// The caption is the program's own; the rest stands for the system's save dialog, which speaks
// the user's language, as the window's does.
export function saveNameDialog(suggestion) {
  return modal('Select Data File', (form, close) => {
    const label = document.createElement('label');
    const span = document.createElement('span');
    span.textContent = t('ファイル名');
    const input = document.createElement('input');
    input.type = 'text';
    input.name = 'file';
    input.value = suggestion;
    label.append(span, input);
    form.append(label);
    const done = (accepted) => close(accepted ? input.value : null);
    buttons(form, t('保存'), t('キャンセル'), done);
    return done;
  });
}

// A form of labelled fields, each a text box or a list of choices ({ name, label, value,
// choices: [{ value, text }] }). OK asks check(values) first: a text it returns is shown in
// the box, which stays open. Resolves with the values by name, or null when cancelled.
export function formDialog(caption, fields, okText, cancelText, check) {
  return modal(caption, (form, close) => {
    const fieldset = document.createElement('fieldset');
    const inputs = fields.map((field) => {
      const label = document.createElement('label');
      const span = document.createElement('span');
      span.textContent = field.label;
      let input;
      if (field.choices) {
        input = document.createElement('select');
        for (const choice of field.choices) input.append(new Option(choice.text, choice.value));
      } else {
        input = document.createElement('input');
        input.type = 'text';
        input.autocomplete = 'off';
        input.spellcheck = false;
      }
      input.name = field.name;
      input.value = field.value;
      label.append(span, input);
      fieldset.append(label);
      return input;
    });
    const problem = document.createElement('p');
    problem.className = 'message problem';
    problem.setAttribute('role', 'alert');
    problem.hidden = true;
    form.append(fieldset, problem);
    const values = () => Object.fromEntries(inputs.map((input) => [input.name, input.value]));
    const done = (accepted) => {
      if (!accepted) {
        close(null);
        return;
      }
      const refused = check(values());
      if (!refused) {
        close(values());
        return;
      }
      problem.textContent = refused;
      problem.hidden = false;
      (inputs.find((input) => input.tagName === 'INPUT') ?? inputs[0])?.select?.();
    };
    buttons(form, okText, cancelText, done);
    return done;
  });
}
