#!/usr/bin/env python3
# Writes the web page's static files: the HTML from the windows' forms and the maker's details,
# the style and scripts, the pictures, the manifest and the service worker with its file list.
import argparse
import hashlib
import html
import os
import re
import shutil
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from ui_form import read_form  # noqa: E402

FORMS = {
    'conv': 'converter/converter_window.ui',
    'temp': 'temperature/temperature_window.ui',
    'help': 'info/help_window.ui',
    'tut': 'info/tutorial_window.ui',
    'about': 'info/about_dialog.ui',
    'contact': 'info/contact_window.ui',
}
DEGREE = '\u00b0'


def maker_details(root):
    text = open(os.path.join(root, 'resources/maker.h'), encoding='utf-8').read()
    return dict(re.findall(r'inline constexpr char (k\w+)\[\] =\s*"((?:[^"\\]|\\.)*)"', text))


def code_texts(root, maker, version):
    """Texts the windows' code writes into labels at start-up, read from that code."""
    texts = {}
    contact = open(os.path.join(root, 'info/contact_window.cpp'), encoding='utf-8').read()
    pattern = (r'ui_->(\w+)->setText\((?:QStringLiteral\("([^"]*)"\)\s*\+\s*)?'
               r'QString::fromUtf8\(maker::(\w+)\)\)')
    for label, prefix, name in re.findall(pattern, contact):
        texts[('contact', label)] = prefix + maker[name]
    about = open(os.path.join(root, 'info/about_dialog.cpp'), encoding='utf-8').read()
    prefix = re.search(r'lblVersion->setText\(QStringLiteral\("([^"]*)" AMPLORA_VERSION', about)
    texts[('about', 'lblVersion')] = prefix.group(1) + version
    temperature = open(os.path.join(root, 'temperature/temperature_window.cpp'),
                       encoding='utf-8').read()
    for label, letter in re.findall(r"ui_->(lbl\w)->setText\(degree \+ QLatin1Char\('(\w)'\)\)",
                                    temperature):
        texts[('temp', label)] = DEGREE + letter
    return texts


def place(w):
    x, y, width, height = w.geometry
    return f' data-at style="--x:{x}px;--y:{y}px;--w:{width}px;--h:{height}px"'


def tip(w):
    t = w.prop('toolTip')
    return f' title="{html.escape(t)}"' if t else ''


class Page:
    def __init__(self, root, version):
        self.forms = {k: read_form(os.path.join(root, v)) for k, v in FORMS.items()}
        self.maker = maker_details(root)
        self.texts = code_texts(root, self.maker, version)
        self.version = version

    def text(self, form, w):
        return html.escape(self.texts.get((form, w.name), w.prop('text') or w.prop('title')))

    def field(self, form, name, what):
        top, named = self.forms[form]
        w = named[name]
        if what == 'at':
            return place(w)
        if what == 'tip':
            return tip(w)
        if what == 'size':
            return f' style="--w:{w.geometry[2]}px;--h:{w.geometry[3]}px"'
        if what == 'title':
            return html.escape(w.prop('windowTitle') or w.prop('title'))
        if what == 'plain':  # a menu entry's caption without its access-key mark
            return html.escape(w.prop('text').replace('&', ''))
        return self.text(form, w)

    def generic(self, form):
        """A dialog's labels, pictures and lines in reading order (top to bottom, left to
        right); its buttons are the page's own."""
        top, _ = self.forms[form]
        parts = []
        for w in sorted(top.children, key=lambda w: (w.geometry or (0, 0))[1::-1]):
            if w.geometry is None or w.kind == 'QPushButton':
                continue
            name = f' data-name="{w.name}"'
            if w.kind == 'QFrame':
                parts.append(f'<hr{name}{place(w)}>')
            elif w.kind == 'toolkit::PictureBox':
                src = 'images/' + os.path.basename(w.prop('source'))
                parts.append(f'<img{name}{place(w)} src="{src}" alt="">')
            elif w.kind == 'toolkit::LinkLabel':
                address = html.escape(self.maker['kWebAddress'])
                parts.append(f'<a{name}{place(w)} href="{address}" target="_blank" '
                             f'rel="noopener">{self.text(form, w)}</a>')
            else:
                parts.append(f'<p{name}{place(w)}{tip(w)}>{self.text(form, w)}</p>')
        return '\n'.join(parts)

    def fill(self, template):
        def one(m):
            key = m.group(1)
            if key == 'version':
                return self.version
            if key.startswith('maker.'):
                return html.escape(self.maker[key[6:]])
            if key.startswith('generic.'):
                return self.generic(key[8:])
            form, name, what = key.split('.')
            return self.field(form, name, what)
        return re.sub(r'\{\{([\w.]+)\}\}', one, template)


def write(path, data):
    mode = 'wb' if isinstance(data, bytes) else 'w'
    with open(path, mode, **({} if mode == 'wb' else {'encoding': 'utf-8'})) as f:
        f.write(data)


def main():
    ap = argparse.ArgumentParser()
    ap.add_argument('--root', required=True)
    ap.add_argument('--out', required=True)
    ap.add_argument('--version', required=True)
    a = ap.parse_args()
    here = os.path.dirname(os.path.abspath(__file__))
    page_dir = os.path.join(here, 'page')
    os.makedirs(os.path.join(a.out, 'images'), exist_ok=True)
    page = Page(a.root, a.version)

    for name in sorted(os.listdir(page_dir)):
        src = os.path.join(page_dir, name)
        if name == 'sw.js':
            continue
        if name.endswith(('.html', '.webmanifest')):
            write(os.path.join(a.out, name), page.fill(open(src, encoding='utf-8').read()))
        else:
            shutil.copyfile(src, os.path.join(a.out, name))
    images = os.path.join(a.root, 'resources/images')
    for name in sorted(os.listdir(images)):
        shutil.copyfile(os.path.join(images, name), os.path.join(a.out, 'images', name))

    # The service worker caches every file under a name that changes with any file's bytes.
    files, digest = [], hashlib.sha256()
    for folder, _, names in sorted(os.walk(a.out)):
        for name in sorted(names):
            path = os.path.join(folder, name)
            rel = os.path.relpath(path, a.out).replace(os.sep, '/')
            if rel == 'sw.js':
                continue
            files.append(rel)
            digest.update(rel.encode() + b'\0' + open(path, 'rb').read())
    worker = open(os.path.join(page_dir, 'sw.js'), encoding='utf-8').read()
    worker = worker.replace('{{files}}', ', '.join(f"'{f}'" for f in ['./'] + files))
    worker = worker.replace('{{cache}}', 'amplora-' + digest.hexdigest()[:16])
    write(os.path.join(a.out, 'sw.js'), worker)


if __name__ == '__main__':
    main()
