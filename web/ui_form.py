# Reads the windows' Qt Designer forms: each widget's kind, place, texts and tooltip.
import xml.etree.ElementTree as ET


class Widget:
    def __init__(self, kind, name, parent):
        self.kind, self.name, self.parent = kind, name, parent
        self.geometry = None  # x, y, width, height in pixels, from the parent's corner
        self.props = {}
        self.children = []

    def prop(self, name, default=''):
        return self.props.get(name, default)


def _value(node):
    child = list(node)[0]
    if child.tag == 'rect':
        return tuple(int(child.find(k).text) for k in ('x', 'y', 'width', 'height'))
    return child.text or ''


def _read(node, parent, into):
    w = Widget(node.get('class'), node.get('name'), parent)
    for p in node.findall('property'):
        if p.get('name') == 'geometry':
            w.geometry = _value(p)
        elif list(p):
            w.props[p.get('name')] = _value(p)
    into[w.name] = w
    for child in node.findall('widget'):
        w.children.append(_read(child, w, into))
    for action in node.findall('action'):
        a = Widget('QAction', action.get('name'), w)
        a.props = {p.get('name'): _value(p) for p in action.findall('property') if list(p)}
        into[a.name] = a
    return w


def read_form(path):
    """The form's top widget and every widget and action by name."""
    named = {}
    top = _read(ET.parse(path).getroot().find('widget'), None, named)
    return top, named
